#pragma once
// Settings as one JSON object whose keys are the field names of DeviceConfig:
// texts as strings (numbers with the decimal comma, as the editor holds them),
// check boxes as booleans, per-item fields as arrays, and the analog scales.

#include "model/DeviceConfig.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace torval {

// Every key is always written.
QJsonObject configToJson(const DeviceConfig& c);

struct JsonImport {
    std::optional<DeviceConfig> config;
    // The editor's telephone prefix rule ("tabUTO", "tabUTOEnable"): not part
    // of the image, but it decides how the numbers are stored.
    EditorSettings editor;
    QString error; // Czech, names the offending key; empty on success
};

// Missing keys keep the defaults (the editor settings too). Unknown keys, wrong types, wrong array
// lengths, a scale with min = max and invalid JSON are refused.
JsonImport configFromJson(const QByteArray& json);

} // namespace torval
