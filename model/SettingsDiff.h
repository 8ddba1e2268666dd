#pragma once
// What differs between two sets of settings, field by field in the order of
// the window's tabs, and which bytes of two images differ outside the
// addresses the settings own. A technician sees this before a station is
// overwritten, and compares files and stations with it.

#include "model/ConfigFields.h"
#include "model/DeviceConfig.h"

#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace torval {

class EepromImage;

struct FieldDifference {
    const FieldDef* field = nullptr;
    int index = 0;
    int tab = 0;   // the window's tab that shows the field
    QString label; // row label ("I3", "BAT"); empty for single fields
    QString before;
    QString after;
};

struct SettingsDifferences {
    std::vector<FieldDifference> fields;
    // Addresses that differ but that no setting owns; filled only when both
    // sides are images.
    std::vector<int> otherBytes;
    [[nodiscard]] bool empty() const { return fields.empty() && otherBytes.empty(); }
};

// Fields whose values differ, grouped by tab. Number fields are compared as
// the encoder stores them ("50" and "50,0" are the same level), texts and
// check boxes exactly.
[[nodiscard]] std::vector<FieldDifference> diffConfigs(const DeviceConfig& a, const DeviceConfig& b);

// The address just after the end marker of an image whose header is valid;
// nullopt when the general texts' pointer leads nowhere.
[[nodiscard]] std::optional<int> usedImageEnd(const EepromImage& image);

// True for addresses the encoder writes: header words, fixed block, and the
// text area up to `usedEnd` (exclusive).
[[nodiscard]] bool settingsOwnAddress(int address, int usedEnd);

// Addresses below `length` that differ between the images and that the
// settings of neither image own.
[[nodiscard]] std::vector<int> diffOtherBytes(const EepromImage& a, const EepromImage& b, int length);

// One difference as the technician reads it: the row and the caption the
// window shows, the values as stored: "I3 Název: "DVERE" → "VRATA"",
// "Název stanice: "A" → "B"", "T2 Příjem příkazů: ne → ano".
[[nodiscard]] QString describeDifference(const FieldDifference& d);
// A value of a field as describeDifference shows it (texts quoted, check
// boxes "ano"/"ne").
[[nodiscard]] QString differenceValue(const FieldDef& field, const QString& value);

// The readable listing: "[tab caption]" lines, then "  " and describeDifference
// of each field, then one line with the other addresses. The JSON form keeps
// the field names.
[[nodiscard]] QString formatDifferences(const SettingsDifferences& d);
[[nodiscard]] QJsonObject differencesToJson(const SettingsDifferences& d);
// Addresses as runs: "49, 60..63, 200".
[[nodiscard]] QString addressRuns(const std::vector<int>& addresses);

// Lead of the line that lists the other addresses.
inline constexpr const char* kOtherBytesDiffer =
    QT_TRANSLATE_NOOP("SettingsDiff", "Liší se ostatní bajty (mimo nastavení): %1");

} // namespace torval
