#pragma once
// The serial ports the system offers, for the technician choosing --port: a
// USB adapter shows its maker and serial number, which tells four alike
// cables apart.

#include <QString>
#include <vector>

namespace torval {

struct SerialPortEntry {
    QString path;         // what --port takes: /dev/ttyUSB0, COM3
    QString description;  // the adapter's own name, may be empty
    QString manufacturer; // may be empty
    QString serialNumber; // may be empty
};

// In the order of their paths (on Windows: of their COM numbers).
[[nodiscard]] std::vector<SerialPortEntry> listSerialPorts();

} // namespace torval
