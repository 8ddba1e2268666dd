#include "station/DemoStation.h"

#include "model/EepromImage.h"
#include "model/ImageEncoder.h"
#include "model/SettingsSize.h"
#include "station/StationCore.h"

#include <algorithm>

namespace torval {

DeviceConfig demoStationConfig()
{
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("Vodárna Kyjov - čerpací stanice");
    c.tabPIN = QStringLiteral("1234");
    c.tabTCcentra = QStringLiteral("+420602909909");
    c.tabDobaPlatnostiSMS = QStringLiteral("3");
    c.tabOdpovidatT0 = true;
    // The station stores the "no access" report only together with its text.
    c.opNotAuthorized = true;
    c.rtNotAuthorized = QStringLiteral("Nepovoleny pristup");

    // Mains failures matter at a pumping station; the battery tells how long it can hold.
    c.opPowerReport = true;
    c.rtPowerUp = QStringLiteral("Sit obnovena");
    c.rtPowerDown = QStringLiteral("Vypadek site");
    c.opBatt = true;
    c.rtBattLow = QStringLiteral("Baterie slaba");

    // The dispatcher gets everything and may send commands; the on-call
    // technician only hears about events.
    c.tabTC[0] = QStringLiteral("+420602123456");
    c.tabTCPrijem[0] = true;
    c.tabTCUdalost[0] = true;
    c.tabTC[1] = QStringLiteral("+420731987654");
    c.tabTCUdalost[1] = true;

    struct Input {
        const char16_t* name;
        const char16_t* off;
        const char16_t* on;
        const char16_t* lh;
        const char16_t* hl;
    };
    const Input inputs[] = {
        {u"Dvere", u"zavreno", u"otevreno", u"Vniknuti - dvere otevreny", u""},
        {u"Cerpadlo 1", u"v poradku", u"porucha", u"Porucha cerpadla 1", u"Cerpadlo 1 v poradku"},
        {u"Cerpadlo 2", u"v poradku", u"porucha", u"Porucha cerpadla 2", u"Cerpadlo 2 v poradku"},
        {u"Zaplaveni", u"sucho", u"voda", u"Zaplaveni sachty", u""},
    };
    for (std::size_t i = 0; i < std::size(inputs); ++i) {
        c.tabINPNazev[i] = QString::fromUtf16(inputs[i].name);
        c.tabINPVyp[i] = QString::fromUtf16(inputs[i].off);
        c.tabINPZap[i] = QString::fromUtf16(inputs[i].on);
        c.tabINPLH[i] = QString::fromUtf16(inputs[i].lh);
        c.tabINPHL[i] = QString::fromUtf16(inputs[i].hl);
        c.tabINPLHEvent[i] = true;
        c.tabINPHLEvent[i] = !c.tabINPHL[i].isEmpty();
        c.tabINPZpr[i] = true;
    }

    // Output names and command words are what the dispatcher types in an SMS.
    c.tabOUTNazev[0] = QStringLiteral("CERPADLO1");
    c.tabOUTNazev[1] = QStringLiteral("CERPADLO2");
    c.tabOUTNazev[2] = QStringLiteral("SIRENA");
    for (int i = 0; i < 3; ++i) {
        c.tabOUTZap[i] = QStringLiteral("ZAP");
        c.tabOUTVyp[i] = QStringLiteral("VYP");
        c.tabOUTZpr[i] = true;
    }
    c.tabOUTimpuls[0] = QStringLiteral("PROPLACH");
    c.tabOUTimpulsLEN[0] = QStringLiteral("5");

    // Levels are the values the station can hold (a 255th of the range), as
    // the analog dialog rounds them, so they read back unchanged.
    // A1: water level in the tank, alarms when it runs low or overflows.
    c.tabAINNazev[0] = QStringLiteral("Hladina vodojemu");
    c.tabAINStateL[0] = QStringLiteral("nizka");
    c.tabAINStateM[0] = QStringLiteral("normalni");
    c.tabAINStateH[0] = QStringLiteral("vysoka");
    c.tabAINCL1Level[0] = QStringLiteral("20");
    c.tabAINHCL1Level[0] = QStringLiteral("2");
    c.tabAINCL2Level[0] = QStringLiteral("89,8");
    c.tabAINHCL2Level[0] = QStringLiteral("2");
    c.tabAINCL1Dn[0] = QStringLiteral("Nizka hladina vodojemu");
    c.tabAINCL1DnEvent[0] = true;
    c.tabAINCL2Up[0] = QStringLiteral("Preteceni vodojemu");
    c.tabAINCL2UpEvent[0] = true;
    c.tabAINZpr[0] = true;
    c.tabAINPrc[0] = true;
    // A2: pressure in the delivery main.
    c.tabAINNazev[1] = QStringLiteral("Tlak ve vytlaku");
    c.tabAINStateL[1] = QStringLiteral("nizky");
    c.tabAINStateM[1] = QStringLiteral("normalni");
    c.tabAINStateH[1] = QStringLiteral("vysoky");
    c.tabAINCL1Level[1] = QStringLiteral("30,2");
    c.tabAINHCL1Level[1] = QStringLiteral("3,1");
    c.tabAINCL2Level[1] = QStringLiteral("85,1");
    c.tabAINHCL2Level[1] = QStringLiteral("3,1");
    c.tabAINCL1Dn[1] = QStringLiteral("Pokles tlaku");
    c.tabAINCL1DnEvent[1] = true;
    c.tabAINPrc[1] = true;
    // A6: temperature in the building, against frozen pipes.
    c.tabAINNazev[5] = QStringLiteral("Teplota v objektu");
    c.tabAINStateL[5] = QStringLiteral("mraz");
    c.tabAINStateM[5] = QStringLiteral("normalni");
    c.tabAINCL1Level[5] = QStringLiteral("5,1");
    c.tabAINHCL1Level[5] = QStringLiteral("1,2");
    c.tabAINCL1Dn[5] = QStringLiteral("Mraz v objektu");
    c.tabAINCL1DnEvent[5] = true;
    c.tabAINZpr[5] = true;
    // BAT: its fall below CL1 is the battery-low report above.
    c.tabAINNazev[kBatteryInput] = QStringLiteral("Baterie");
    c.tabAINStateL[kBatteryInput] = QStringLiteral("slaba");
    c.tabAINStateM[kBatteryInput] = QStringLiteral("OK");
    c.tabAINCL1Level[kBatteryInput] = QStringLiteral("11,5");
    c.tabAINHCL1Level[kBatteryInput] = QStringLiteral("0,5");
    c.tabAINCL1Dn[kBatteryInput] = c.rtBattLow;
    c.tabAINCL1DnEvent[kBatteryInput] = true;

    c.tabCITNazev[0] = QStringLiteral("Prutok m3");
    c.tabCITZpr[0] = true;
    c.opSuppZero = true;
    return c;
}

bool programDemoStation(StationCore& station)
{
    const DeviceConfig c = demoStationConfig();
    std::vector<std::uint8_t>& memory = station.memory();
    // The top 64 bytes of the chip belong to the firmware, as in the size it reports.
    if (settingsSize(c) > int(memory.size()) - 64)
        return false;
    EepromImage image;
    if (encodeImage(c, image) != EncodeError::None || !imageHeaderValid(image))
        return false;
    const auto bytes = image.bytes();
    std::copy_n(bytes.begin(), std::min(memory.size(), bytes.size()), memory.begin());
    return true;
}

} // namespace torval
