#pragma once
// One table that names every field of DeviceConfig the image holds: its name
// (the JSON key, the CSV column, the diff's field name), kind, number of items,
// typing limit and the main-window tab that shows it. JSON, diff, provisioning
// and the window bind to fields through this table rather than by hand.

#include "model/DeviceConfig.h"

#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

namespace torval {

enum class FieldKind { Text, Flag, Byte };

struct FieldDef {
    const char* name;
    FieldKind kind;
    int count;     // 1, 2 (counters) or 8
    int maxLength; // typing limit of a text; 0 = none
    int tab;       // main-window tab (analog: 4, rows 4..7 are on tab 5); -1 = dialog only
    QString* (*text)(DeviceConfig&, int);
    bool* (*flag)(DeviceConfig&, int);
    std::uint8_t* (*byte)(DeviceConfig&, int);

    QString label(int index) const; // "I3", "BAT", or "" for single fields
    int tabFor(int index) const;
};

std::span<const FieldDef> configFields();
const FieldDef* findField(std::string_view name);

// Const access through the table.
const QString& textOf(const DeviceConfig& c, const FieldDef& f, int index);
bool flagOf(const DeviceConfig& c, const FieldDef& f, int index);
std::uint8_t byteOf(const DeviceConfig& c, const FieldDef& f, int index);
// The field's value as text: texts as they are, flags "0"/"1", bytes in decimal.
QString valueText(const DeviceConfig& c, const FieldDef& f, int index);

// Captions of the eight tabs of the main window.
const QStringList& tabCaptions();

} // namespace torval
