#include "model/ConfigFields.h"

#include <array>

namespace torval {

namespace {

// The slot of item `i` of a member: the member itself when it is one value.
template <class T>
T* slot(T& member, int)
{
    return &member;
}
template <class T, std::size_t N>
T* slot(std::array<T, N>& member, int i)
{
    return &member[std::size_t(i)];
}

// The table's count of a member must be its array size (1 for one value); a
// wrong count stops the build here instead of reading past an array.
template <class T>
inline constexpr int kItems = 1;
template <class T, std::size_t N>
inline constexpr int kItems<std::array<T, N>> = int(N);

template <class Member>
consteval int checkedCount(int count)
{
    if (count != kItems<Member>)
        throw "the table's count differs from the member's array size";
    return count;
}

#define TORVAL_COUNT(n, count) checkedCount<decltype(DeviceConfig::n)>(count)
#define TORVAL_TEXT_ROW(n, count, len, tab)                                                                      \
    FieldDef{FieldId::n, #n, FieldKind::Text, TORVAL_COUNT(n, count), len, tab,                                  \
             [](DeviceConfig& c, int i) -> QString* { return slot(c.n, i); }, nullptr, nullptr},
#define TORVAL_FLAG_ROW(n, count, tab)                                                                           \
    FieldDef{FieldId::n, #n, FieldKind::Flag, TORVAL_COUNT(n, count), 0, tab, nullptr,                           \
             [](DeviceConfig& c, int i) -> bool* { return slot(c.n, i); }, nullptr},
#define TORVAL_BYTE_ROW(n, count, tab)                                                                           \
    FieldDef{FieldId::n, #n, FieldKind::Byte, TORVAL_COUNT(n, count), 0, tab, nullptr, nullptr,                  \
             [](DeviceConfig& c, int i) -> std::uint8_t* { return slot(c.n, i); }},

constexpr FieldDef kFields[] = {TORVAL_FIELD_TABLE(TORVAL_TEXT_ROW, TORVAL_FLAG_ROW, TORVAL_BYTE_ROW)};

#undef TORVAL_COUNT
#undef TORVAL_TEXT_ROW
#undef TORVAL_FLAG_ROW
#undef TORVAL_BYTE_ROW

// `field(id)` indexes the table by the id: row i must be id i.
consteval bool idsMatchRows()
{
    if (std::size(kFields) != kFieldCount)
        return false;
    for (std::size_t i = 0; i < std::size(kFields); ++i)
        if (kFields[i].id != FieldId(i))
            return false;
    return true;
}
static_assert(idsMatchRows(), "the field ids and the rows of the field table disagree");

} // namespace

QString FieldDef::label(int index) const
{
    if (count == 1)
        return {};
    const std::string_view n(name);
    if (n.starts_with("tabTC"))
        return phoneLabel(index);
    if (n.starts_with("tabINP") || n.starts_with("eeMaskDIn"))
        return inputLabel(index);
    if (n.starts_with("tabOUT"))
        return outputLabel(index);
    if (n.starts_with("tabAIN") || n.starts_with("eeMaskAIn"))
        return analogLabel(index);
    if (n.starts_with("tabCIT"))
        return counterLabel(index);
    return QString::number(index + 1);
}

// One caption per field, the words of the window's labels and column
// headings; a switch so that a new field without a caption warns at build.
QString FieldDef::caption() const
{
    switch (id) {
    case FieldId::opEnablePS1: return QStringLiteral("Povolit šetřící režim");
    case FieldId::eePSOnH: return QStringLiteral("Doba zapnutého modemu (h)");
    case FieldId::eePSOnM: return QStringLiteral("Doba zapnutého modemu (m)");
    case FieldId::eePSOffH: return QStringLiteral("Doba vypnutého modemu (h)");
    case FieldId::eePSOffM: return QStringLiteral("Doba vypnutého modemu (m)");
    case FieldId::opPSOutOff: return QStringLiteral("Při vypnutém modemu vypnout výstupy");
    case FieldId::opSuperPS: return QStringLiteral("Super šetřící režim");
    case FieldId::tabJmenoStanice: return QStringLiteral("Název stanice");
    case FieldId::tabPIN: return QStringLiteral("PIN");
    case FieldId::tabTCcentra: return QStringLiteral("Telefonní číslo servisního centra");
    case FieldId::opPINAuth: return QStringLiteral("Autorizace pomocí zadání PINu v příkazové zprávě");
    case FieldId::tabOdpovidatT0: return QStringLiteral("Hlášení o stavu posílat i na telefonní číslo T1");
    case FieldId::tabPrepnoutNepovolPristup:
        return QStringLiteral("Hlášení o nepovoleném přístupu posílat i na tel. číslo T1");
    case FieldId::opNotAuthorized: return QStringLiteral("Posílat hlášení, že není povolen přístup");
    case FieldId::rtNotAuthorized: return QStringLiteral("Text hlášení o nepovolení přístupu");
    case FieldId::tabDobaPlatnostiSMS: return QStringLiteral("Doba platnosti SMS zprávy");
    case FieldId::opBatt: return QStringLiteral("Baterie: při poklesu napětí pod CL1 vypnout zařízení");
    case FieldId::rtBattLow: return QStringLiteral("Baterie: text hlášení při poklesu napětí");
    case FieldId::opPowerReport: return QStringLiteral("Síťové napájení: posílat hlášení o zapnutí/vypnutí");
    case FieldId::rtPowerUp: return QStringLiteral("Síťové napájení: text hlášení při zapnutí");
    case FieldId::rtPowerDown: return QStringLiteral("Síťové napájení: text hlášení při vypnutí");
    case FieldId::opSwitchReport: return QStringLiteral("Zařízení: posílat hlášení o zapnutí/vypnutí");
    case FieldId::rtSwitchOn: return QStringLiteral("Zařízení: text hlášení při zapnutí");
    case FieldId::rtSwitchOff: return QStringLiteral("Zařízení: text hlášení při vypnutí");
    case FieldId::tabINPNazev: return QStringLiteral("Název");
    case FieldId::tabINPVyp: return QStringLiteral("Stav 0 'Vypnuto'");
    case FieldId::tabINPZap: return QStringLiteral("Stav 1 'Zapnuto'");
    case FieldId::tabINPLHEvent: return QStringLiteral("SMS při přechodu 0->1");
    case FieldId::tabINPLH: return QStringLiteral("Text zprávy při přechodu 0->1");
    case FieldId::tabINPHLEvent: return QStringLiteral("SMS při přechodu 1->0");
    case FieldId::tabINPHL: return QStringLiteral("Text zprávy při přechodu 1->0");
    case FieldId::tabINPNeg: return QStringLiteral("Negace");
    case FieldId::tabINPZpr: return QStringLiteral("Uvádět ve zprávě");
    case FieldId::eeMaskDInLHAlarm: return QStringLiteral("Alarm při přechodu 0->1");
    case FieldId::eeMaskDInHLAlarm: return QStringLiteral("Alarm při přechodu 1->0");
    case FieldId::tabOUTNazev: return QStringLiteral("Název");
    case FieldId::tabOUTVyp: return QStringLiteral("Stav 0 'Vypnuto'");
    case FieldId::tabOUTZap: return QStringLiteral("Stav 1 'Zapnuto'");
    case FieldId::tabOUTNeg: return QStringLiteral("Negace");
    case FieldId::tabOUTimpuls: return QStringLiteral("Impuls");
    case FieldId::tabOUTimpulsLEN: return QStringLiteral("Délka impulsu (s)");
    case FieldId::tabOUTZpr: return QStringLiteral("Uvádět ve zprávě");
    case FieldId::eeMaskDOutFnc: return QStringLiteral("Funkce výstupů");
    case FieldId::tabAINNazev: return QStringLiteral("Název");
    case FieldId::tabAINStateL: return QStringLiteral("Stav LOW");
    case FieldId::tabAINStateM: return QStringLiteral("Stav MEDIUM");
    case FieldId::tabAINStateH: return QStringLiteral("Stav HIGH");
    case FieldId::tabAINCL1Level: return QStringLiteral("CL1 úroveň");
    case FieldId::tabAINHCL1Level: return QStringLiteral("CL1 hystereze");
    case FieldId::tabAINCL1UpEvent: return QStringLiteral("CL1 SMS při přechodu nahoru");
    case FieldId::tabAINCL1Up: return QStringLiteral("CL1 text při přechodu nahoru");
    case FieldId::tabAINCL1DnEvent: return QStringLiteral("CL1 SMS při přechodu dolů");
    case FieldId::tabAINCL1Dn: return QStringLiteral("CL1 text při přechodu dolů");
    case FieldId::tabAINCL2Level: return QStringLiteral("CL2 úroveň");
    case FieldId::tabAINHCL2Level: return QStringLiteral("CL2 hystereze");
    case FieldId::tabAINCL2UpEvent: return QStringLiteral("CL2 SMS při přechodu nahoru");
    case FieldId::tabAINCL2Up: return QStringLiteral("CL2 text při přechodu nahoru");
    case FieldId::tabAINCL2DnEvent: return QStringLiteral("CL2 SMS při přechodu dolů");
    case FieldId::tabAINCL2Dn: return QStringLiteral("CL2 text při přechodu dolů");
    case FieldId::tabAINNeg: return QStringLiteral("Negace");
    case FieldId::tabAINPrc: return QStringLiteral("Uvádět hodnotu");
    case FieldId::tabAINZpr: return QStringLiteral("Uvádět stav");
    case FieldId::eeMaskAInAlarm: return QStringLiteral("Alarm");
    case FieldId::tabTC: return QStringLiteral("Telefonní číslo");
    case FieldId::tabTCPrijem: return QStringLiteral("Příjem příkazů");
    case FieldId::tabTCUdalost: return QStringLiteral("Odesílání zpráv o událostech");
    case FieldId::tabCITNazev: return QStringLiteral("Název čítače");
    case FieldId::tabCITZpr: return QStringLiteral("Uvádět ve zprávě");
    case FieldId::opSuppZero: return QStringLiteral("Potlačení předních nul");
    }
    return QString::fromLatin1(name);
}

QString FieldDef::place(int index) const
{
    return count == 1 ? caption() : label(index) + QLatin1Char(' ') + caption();
}

int FieldDef::tabFor(int index) const
{
    return (tab == 4 && index >= 4) ? 5 : tab;
}

std::span<const FieldDef> configFields()
{
    return kFields;
}

const FieldDef& field(FieldId id)
{
    return kFields[std::size_t(id)];
}

const FieldDef* findField(std::string_view name)
{
    for (const auto& f : kFields)
        if (name == f.name)
            return &f;
    return nullptr;
}

const QString& textOf(const DeviceConfig& c, const FieldDef& f, int index)
{
    return *f.text(const_cast<DeviceConfig&>(c), index);
}

bool flagOf(const DeviceConfig& c, const FieldDef& f, int index)
{
    return *f.flag(const_cast<DeviceConfig&>(c), index);
}

std::uint8_t byteOf(const DeviceConfig& c, const FieldDef& f, int index)
{
    return *f.byte(const_cast<DeviceConfig&>(c), index);
}

QString valueText(const DeviceConfig& c, const FieldDef& f, int index)
{
    switch (f.kind) {
    case FieldKind::Text:
        return textOf(c, f, index);
    case FieldKind::Flag:
        return flagOf(c, f, index) ? QStringLiteral("1") : QStringLiteral("0");
    case FieldKind::Byte:
        return QString::number(byteOf(c, f, index));
    }
    return {};
}

const QStringList& tabCaptions()
{
    static const QStringList captions = {
        QStringLiteral("Všeobecné"), QStringLiteral("SMS zprávy"), QStringLiteral("Dig. vstupy"),
        QStringLiteral("Dig. výstupy"), QStringLiteral("Analog. vstupy 1-4"), QStringLiteral("Analog. vstupy 5-8"),
        QStringLiteral("Tel. čísla"), QStringLiteral("Čítače"),
    };
    return captions;
}

} // namespace torval
