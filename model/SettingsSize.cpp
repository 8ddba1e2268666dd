#include "model/SettingsSize.h"

#include "model/Cp1250.h"
#include "model/ImageLayout.h"

namespace torval {

namespace {
// Each entry is its bytes plus the terminator. Characters outside the code
// page are stored as one "?" byte each, so the count is the code-page length.
inline int entry(const QString& s)
{
    return cp1250Length(s) + 1;
}
template <std::size_t N>
int entries(const std::array<QString, N>& a)
{
    int n = 0;
    for (const auto& s : a)
        n += entry(s);
    return n;
}
} // namespace

int settingsSize(const DeviceConfig& c)
{
    int n = layout::kTextArea + 2; // everything before the text area, and the end marker
    n += entry(c.tabJmenoStanice) + entry(c.tabPIN) + entry(c.tabTCcentra) + entry(c.rtNotAuthorized)
        + entry(c.rtPowerUp) + entry(c.rtPowerDown) + entry(c.rtSwitchOn) + entry(c.rtSwitchOff) + entry(c.rtBattLow);
    n += entries(c.tabINPNazev) + entries(c.tabINPZap) + entries(c.tabINPVyp) + entries(c.tabINPLH) + entries(c.tabINPHL);
    n += entries(c.tabOUTNazev) + entries(c.tabOUTZap) + entries(c.tabOUTVyp) + entries(c.tabOUTimpuls);
    n += entries(c.tabAINNazev) + entries(c.tabAINStateL) + entries(c.tabAINStateM) + entries(c.tabAINStateH)
        + entries(c.tabAINCL1Dn) + entries(c.tabAINCL1Up) + entries(c.tabAINCL2Dn) + entries(c.tabAINCL2Up);
    n += entries(c.tabCITNazev);
    for (const auto& tc : c.tabTC) {
        // An empty number is stored as its terminator alone. Otherwise the
        // address field is the count (2), the type (2) and the digits padded
        // to pairs, as encodePhoneAddress writes it, without building it.
        if (tc.isEmpty()) {
            n += 1;
            continue;
        }
        const int digits = int(tc.size()) - (tc.startsWith(QLatin1Char('+')) ? 1 : 0);
        n += 2 + 2 + (digits + 1) / 2 * 2 + 1;
    }
    return n;
}

} // namespace torval
