#include "platform/SerialPorts.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace torval {

std::vector<SerialPortEntry> listSerialPorts()
{
    std::vector<SerialPortEntry> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        out.push_back({info.systemLocation(), info.description().trimmed(), info.manufacturer().trimmed(),
                       info.serialNumber().trimmed()});
    std::sort(out.begin(), out.end(), [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.path < b.path; });
    return out;
}

} // namespace torval
