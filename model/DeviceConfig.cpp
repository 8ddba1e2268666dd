#include "model/DeviceConfig.h"

#include "model/Encodings.h"

namespace torval {

std::array<AnalogScale, 8> DeviceConfig::defaultAnalogScales()
{
    std::array<AnalogScale, 8> s;
    for (int i = 0; i < 5; ++i)
        s[i] = AnalogScale{0.0, 100.0, 1, QStringLiteral("%")};
    for (int i = 5; i < 7; ++i)
        s[i] = AnalogScale{0.0, 100.0, 1, QStringLiteral("°C")};
    s[7] = AnalogScale{0.0, 27.0, 1, QStringLiteral("V")};
    return s;
}

DeviceConfig::DeviceConfig()
{
    // At start CL1 sits at the bottom of each input's range and CL2 at the top.
    for (int i = 0; i < kAnalogCount; ++i) {
        tabAINCL1Level[i] = numberText(analogScale[i].min);
        tabAINCL2Level[i] = numberText(analogScale[i].max);
    }
}

QString phoneLabel(int i)
{
    return QStringLiteral("T%1").arg(i + 1);
}
QString inputLabel(int i)
{
    return QStringLiteral("I%1").arg(i + 1);
}
QString outputLabel(int i)
{
    return QStringLiteral("O%1").arg(i + 1);
}
QString analogLabel(int i)
{
    return i == kBatteryInput ? QStringLiteral("BAT") : QStringLiteral("A%1").arg(i + 1);
}
QString counterLabel(int i)
{
    return QStringLiteral("C%1").arg(i + 1);
}

} // namespace torval
