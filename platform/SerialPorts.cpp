#include "platform/SerialPorts.h"

#include <algorithm>

#ifdef _WIN32
#include <QRegularExpression>

#include <windows.h>
// windows.h first: the SetupAPI headers build on its types.
#include <devguid.h>
#include <setupapi.h>
#else
#include <QSerialPortInfo>
#endif

namespace torval {

#ifdef _WIN32
namespace {

QString registryString(HKEY key, const wchar_t* name)
{
    wchar_t value[256] = {};
    DWORD type = 0;
    DWORD size = sizeof value - sizeof(wchar_t);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS
        || type != REG_SZ)
        return {};
    return QString::fromWCharArray(value).trimmed();
}

QString deviceProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property)
{
    wchar_t value[256] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr, reinterpret_cast<BYTE*>(value),
                                           sizeof value - sizeof(wchar_t), nullptr))
        return {};
    return QString::fromWCharArray(value).trimmed();
}

// Every COMn the system has mapped, whoever made it (a driver, a virtual
// port pair, Wine's links): the registry's map of serial devices.
void addMappedPorts(std::vector<SerialPortEntry>& out)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256] = {};
        DWORD nameSize = 255;
        wchar_t data[256] = {};
        DWORD dataSize = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LONG r = RegEnumValueW(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataSize);
        if (r == ERROR_NO_MORE_ITEMS)
            break;
        if (r == ERROR_SUCCESS && type == REG_SZ)
            out.push_back({QString::fromWCharArray(data).trimmed(), {}, {}, {}});
    }
    RegCloseKey(key);
}

// The adapters in the device manager's "Ports" class: their own names and
// makers, and the ports that are plugged in but not mapped yet.
void addDevicePorts(std::vector<SerialPortEntry>& out)
{
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        const QString port = registryString(key, L"PortName");
        RegCloseKey(key);
        if (!port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
            continue; // a printer port (LPT) shares the class
        QString description = deviceProperty(set, device, SPDRP_FRIENDLYNAME);
        // "USB Serial Port (COM3)": the port is in the first column already.
        description.remove(QRegularExpression(QStringLiteral("\\s*\\(COM\\d+\\)$")));
        out.push_back({port, description, deviceProperty(set, device, SPDRP_MFG), {}});
    }
    SetupDiDestroyDeviceInfoList(set);
}

int comNumber(const QString& path)
{
    return path.mid(3).toInt();
}

} // namespace

std::vector<SerialPortEntry> listSerialPorts()
{
    std::vector<SerialPortEntry> found;
    addDevicePorts(found); // first: they carry the descriptions
    addMappedPorts(found);
    // Each port once: the two sources name most ports both.
    std::vector<SerialPortEntry> out;
    for (const SerialPortEntry& e : found) {
        const bool seen = std::any_of(out.begin(), out.end(), [&](const SerialPortEntry& o) {
            return o.path.compare(e.path, Qt::CaseInsensitive) == 0;
        });
        if (!seen && !e.path.isEmpty())
            out.push_back(e);
    }
    // COM2 before COM10, as the technician counts them.
    std::sort(out.begin(), out.end(), [](const SerialPortEntry& a, const SerialPortEntry& b) {
        return std::pair(comNumber(a.path), a.path) < std::pair(comNumber(b.path), b.path);
    });
    return out;
}

#else

std::vector<SerialPortEntry> listSerialPorts()
{
    std::vector<SerialPortEntry> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        out.push_back({info.systemLocation(), info.description().trimmed(), info.manufacturer().trimmed(),
                       info.serialNumber().trimmed()});
    std::sort(out.begin(), out.end(),
              [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.path < b.path; });
    return out;
}

#endif

} // namespace torval
