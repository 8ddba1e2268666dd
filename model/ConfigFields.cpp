#include "model/ConfigFields.h"

#include <QCoreApplication>
#include <array>

// A row set without its label or a field without its caption is an error,
// not a warning: the switches below must name every enumerator.
#if defined(__GNUC__)
#pragma GCC diagnostic error "-Wswitch"
#endif

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

#define TORVAL_COUNT(n, rows) checkedCount<decltype(DeviceConfig::n)>(rowCount(RowSet::rows))
// clang-format off
#define TORVAL_TEXT_ROW(n, rows, len, tab, place)                                                                \
    FieldDef{FieldId::n, #n, FieldKind::Text, RowSet::rows, TORVAL_COUNT(n, rows), len, tab, layout::place,       \
             [](DeviceConfig& c, int i) -> QString* { return slot(c.n, i); }, nullptr, nullptr},
#define TORVAL_FLAG_ROW(n, rows, tab, place)                                                                     \
    FieldDef{FieldId::n, #n, FieldKind::Flag, RowSet::rows, TORVAL_COUNT(n, rows), 0, tab, layout::place, nullptr, \
             [](DeviceConfig& c, int i) -> bool* { return slot(c.n, i); }, nullptr},
#define TORVAL_BYTE_ROW(n, rows, tab, place)                                                                     \
    FieldDef{FieldId::n, #n, FieldKind::Byte, RowSet::rows, TORVAL_COUNT(n, rows), 0, tab, layout::place,         \
             nullptr, nullptr, [](DeviceConfig& c, int i) -> std::uint8_t* { return slot(c.n, i); }},
// clang-format on

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

// The places of the table and the image layout cover each other: every entry
// of every text list belongs to exactly one text field, no two fields share a
// byte of the fixed block (the two halves of a power-save time excepted), the
// fixed bytes lie in the fixed block's own ranges, and a text list holds only
// texts. A field added without its place, or on a place already taken, stops
// the build here.
consteval bool placesCoverLayout()
{
    using layout::PlaceKind;
    for (const layout::TextList& l : layout::kTextLists) {
        for (int e = 0; e < l.entries; ++e) {
            int owners = 0;
            for (const FieldDef& f : kFields)
                if (f.image.kind == PlaceKind::List && f.image.address == l.pointer && e >= f.image.bit
                    && e < f.image.bit + f.count)
                    ++owners;
            if (owners != 1)
                return false;
        }
    }
    int bits[layout::kTextArea] = {};
    bool whole[layout::kTextArea] = {};
    for (const FieldDef& f : kFields) {
        const layout::Place p = f.image;
        if (p.kind == PlaceKind::List) {
            const layout::TextList* l = layout::findList(p.address);
            if (!l || f.kind != FieldKind::Text || p.bit + f.count > l->entries || l->entries > 8 || p.address >= 128
                || p.address % 2 != 0)
                return false;
            continue;
        }
        if (p.kind == PlaceKind::PowerSaveMinutes) {
            bool paired = false;
            for (const FieldDef& h : kFields)
                paired = paired || (h.image.kind == PlaceKind::PowerSaveHours && h.image.address == p.address);
            if (!paired)
                return false;
        }
        const int n = layout::fixedBytes(p, f.count);
        for (int a = p.address; a < p.address + n; ++a) {
            if (!layout::settingsHeaderByte(a) || a < layout::kFixedBlock)
                return false;
            if (p.kind == PlaceKind::Bit) {
                if (whole[a] || (bits[a] & p.bit) || p.bit <= 0 || p.bit > 128)
                    return false;
                bits[a] |= p.bit;
            } else {
                if (whole[a] || bits[a])
                    return false;
                whole[a] = true;
            }
        }
    }
    for (int a : layout::kZeroBytes)
        if (whole[a] || bits[a] || !layout::settingsHeaderByte(a))
            return false;
    return true;
}
static_assert(placesCoverLayout(), "the field table's places and the image layout disagree");

constexpr ReportOption kReportOptions[] = {
    {FieldId::opNotAuthorized, 1, {FieldId::rtNotAuthorized}},
    {FieldId::opPowerReport, 2, {FieldId::rtPowerUp, FieldId::rtPowerDown}},
    {FieldId::opSwitchReport, 2, {FieldId::rtSwitchOn, FieldId::rtSwitchOff}},
};

} // namespace

QString rowLabel(RowSet rows, int index)
{
    switch (rows) {
    case RowSet::One: return {};
    case RowSet::Phones: return phoneLabel(index);
    case RowSet::Inputs: return inputLabel(index);
    case RowSet::Outputs: return outputLabel(index);
    case RowSet::Analogs: return analogLabel(index);
    case RowSet::Counters: return counterLabel(index);
    }
    return {};
}

QString FieldDef::label(int index) const
{
    return rowLabel(rows, index);
}

ListEntry listEntry(int pointer, int entry)
{
    // 256 pointer words are more than the header holds; one lookup per entry
    // keeps the encoder a walk through the lists.
    static const auto entries = [] {
        std::array<std::array<ListEntry, 8>, 64> t{};
        for (const FieldDef& f : kFields)
            if (f.image.kind == layout::PlaceKind::List)
                for (int i = 0; i < f.count; ++i)
                    t[std::size_t(f.image.address / 2)][std::size_t(f.image.bit + i)] = {&f, i};
        return t;
    }();
    return entries[std::size_t(pointer / 2)][std::size_t(entry)];
}

std::span<const ReportOption> reportOptions()
{
    return kReportOptions;
}

// One caption per field, the words of the window's labels and column
// headings; a switch so that a new field without a caption warns at build.
QString FieldDef::caption() const
{
    switch (id) {
    case FieldId::opEnablePS1: return QCoreApplication::translate("ConfigFields", "Povolit šetřící režim");
    case FieldId::eePSOnH: return QCoreApplication::translate("ConfigFields", "Doba zapnutého modemu (h)");
    case FieldId::eePSOnM: return QCoreApplication::translate("ConfigFields", "Doba zapnutého modemu (m)");
    case FieldId::eePSOffH: return QCoreApplication::translate("ConfigFields", "Doba vypnutého modemu (h)");
    case FieldId::eePSOffM: return QCoreApplication::translate("ConfigFields", "Doba vypnutého modemu (m)");
    case FieldId::opPSOutOff: return QCoreApplication::translate("ConfigFields", "Při vypnutém modemu vypnout výstupy");
    case FieldId::opSuperPS: return QCoreApplication::translate("ConfigFields", "Super šetřící režim");
    case FieldId::tabJmenoStanice: return QCoreApplication::translate("ConfigFields", "Název stanice");
    case FieldId::tabPIN: return QStringLiteral("PIN");
    case FieldId::tabTCcentra: return QCoreApplication::translate("ConfigFields", "Telefonní číslo servisního centra");
    case FieldId::opPINAuth:
        return QCoreApplication::translate("ConfigFields", "Autorizace pomocí zadání PINu v příkazové zprávě");
    case FieldId::tabOdpovidatT0:
        return QCoreApplication::translate("ConfigFields", "Hlášení o stavu posílat i na telefonní číslo T1");
    case FieldId::tabPrepnoutNepovolPristup:
        return QCoreApplication::translate("ConfigFields", "Hlášení o nepovoleném přístupu posílat i na tel. číslo T1");
    case FieldId::opNotAuthorized:
        return QCoreApplication::translate("ConfigFields", "Posílat hlášení, že není povolen přístup");
    case FieldId::rtNotAuthorized:
        return QCoreApplication::translate("ConfigFields", "Text hlášení o nepovolení přístupu");
    case FieldId::tabDobaPlatnostiSMS: return QCoreApplication::translate("ConfigFields", "Doba platnosti SMS zprávy");
    case FieldId::opBatt:
        return QCoreApplication::translate("ConfigFields", "Baterie: při poklesu napětí pod CL1 vypnout zařízení");
    case FieldId::rtBattLow:
        return QCoreApplication::translate("ConfigFields", "Baterie: text hlášení při poklesu napětí");
    case FieldId::opPowerReport:
        return QCoreApplication::translate("ConfigFields", "Síťové napájení: posílat hlášení o zapnutí/vypnutí");
    case FieldId::rtPowerUp:
        return QCoreApplication::translate("ConfigFields", "Síťové napájení: text hlášení při zapnutí");
    case FieldId::rtPowerDown:
        return QCoreApplication::translate("ConfigFields", "Síťové napájení: text hlášení při vypnutí");
    case FieldId::opSwitchReport:
        return QCoreApplication::translate("ConfigFields", "Zařízení: posílat hlášení o zapnutí/vypnutí");
    case FieldId::rtSwitchOn: return QCoreApplication::translate("ConfigFields", "Zařízení: text hlášení při zapnutí");
    case FieldId::rtSwitchOff: return QCoreApplication::translate("ConfigFields", "Zařízení: text hlášení při vypnutí");
    case FieldId::tabINPNazev: return QCoreApplication::translate("ConfigFields", "Název");
    case FieldId::tabINPVyp: return QCoreApplication::translate("ConfigFields", "Stav 0 'Vypnuto'");
    case FieldId::tabINPZap: return QCoreApplication::translate("ConfigFields", "Stav 1 'Zapnuto'");
    case FieldId::tabINPLHEvent: return QCoreApplication::translate("ConfigFields", "SMS při přechodu 0->1");
    case FieldId::tabINPLH: return QCoreApplication::translate("ConfigFields", "Text zprávy při přechodu 0->1");
    case FieldId::tabINPHLEvent: return QCoreApplication::translate("ConfigFields", "SMS při přechodu 1->0");
    case FieldId::tabINPHL: return QCoreApplication::translate("ConfigFields", "Text zprávy při přechodu 1->0");
    case FieldId::tabINPNeg: return QCoreApplication::translate("ConfigFields", "Negace");
    case FieldId::tabINPZpr: return QCoreApplication::translate("ConfigFields", "Uvádět ve zprávě");
    case FieldId::eeMaskDInLHAlarm: return QCoreApplication::translate("ConfigFields", "Alarm při přechodu 0->1");
    case FieldId::eeMaskDInHLAlarm: return QCoreApplication::translate("ConfigFields", "Alarm při přechodu 1->0");
    case FieldId::tabOUTNazev: return QCoreApplication::translate("ConfigFields", "Název");
    case FieldId::tabOUTVyp: return QCoreApplication::translate("ConfigFields", "Stav 0 'Vypnuto'");
    case FieldId::tabOUTZap: return QCoreApplication::translate("ConfigFields", "Stav 1 'Zapnuto'");
    case FieldId::tabOUTNeg: return QCoreApplication::translate("ConfigFields", "Negace");
    case FieldId::tabOUTimpuls: return QCoreApplication::translate("ConfigFields", "Impuls");
    case FieldId::tabOUTimpulsLEN: return QCoreApplication::translate("ConfigFields", "Délka impulsu (s)");
    case FieldId::tabOUTZpr: return QCoreApplication::translate("ConfigFields", "Uvádět ve zprávě");
    case FieldId::eeMaskDOutFnc: return QCoreApplication::translate("ConfigFields", "Funkce výstupů");
    case FieldId::tabAINNazev: return QCoreApplication::translate("ConfigFields", "Název");
    case FieldId::tabAINStateL: return QCoreApplication::translate("ConfigFields", "Stav LOW");
    case FieldId::tabAINStateM: return QCoreApplication::translate("ConfigFields", "Stav MEDIUM");
    case FieldId::tabAINStateH: return QCoreApplication::translate("ConfigFields", "Stav HIGH");
    case FieldId::tabAINCL1Level: return QCoreApplication::translate("ConfigFields", "CL1 úroveň");
    case FieldId::tabAINHCL1Level: return QCoreApplication::translate("ConfigFields", "CL1 hystereze");
    case FieldId::tabAINCL1UpEvent: return QCoreApplication::translate("ConfigFields", "CL1 SMS při přechodu nahoru");
    case FieldId::tabAINCL1Up: return QCoreApplication::translate("ConfigFields", "CL1 text při přechodu nahoru");
    case FieldId::tabAINCL1DnEvent: return QCoreApplication::translate("ConfigFields", "CL1 SMS při přechodu dolů");
    case FieldId::tabAINCL1Dn: return QCoreApplication::translate("ConfigFields", "CL1 text při přechodu dolů");
    case FieldId::tabAINCL2Level: return QCoreApplication::translate("ConfigFields", "CL2 úroveň");
    case FieldId::tabAINHCL2Level: return QCoreApplication::translate("ConfigFields", "CL2 hystereze");
    case FieldId::tabAINCL2UpEvent: return QCoreApplication::translate("ConfigFields", "CL2 SMS při přechodu nahoru");
    case FieldId::tabAINCL2Up: return QCoreApplication::translate("ConfigFields", "CL2 text při přechodu nahoru");
    case FieldId::tabAINCL2DnEvent: return QCoreApplication::translate("ConfigFields", "CL2 SMS při přechodu dolů");
    case FieldId::tabAINCL2Dn: return QCoreApplication::translate("ConfigFields", "CL2 text při přechodu dolů");
    case FieldId::tabAINNeg: return QCoreApplication::translate("ConfigFields", "Negace");
    case FieldId::tabAINPrc: return QCoreApplication::translate("ConfigFields", "Uvádět hodnotu");
    case FieldId::tabAINZpr: return QCoreApplication::translate("ConfigFields", "Uvádět stav");
    case FieldId::eeMaskAInAlarm: return QCoreApplication::translate("ConfigFields", "Alarm");
    case FieldId::tabTC: return QCoreApplication::translate("ConfigFields", "Telefonní číslo");
    case FieldId::tabTCPrijem: return QCoreApplication::translate("ConfigFields", "Příjem příkazů");
    case FieldId::tabTCUdalost: return QCoreApplication::translate("ConfigFields", "Odesílání zpráv o událostech");
    case FieldId::tabCITNazev: return QCoreApplication::translate("ConfigFields", "Název čítače");
    case FieldId::tabCITZpr: return QCoreApplication::translate("ConfigFields", "Uvádět ve zprávě");
    case FieldId::opSuppZero: return QCoreApplication::translate("ConfigFields", "Potlačení předních nul");
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
    case FieldKind::Text: return textOf(c, f, index);
    case FieldKind::Flag: return flagOf(c, f, index) ? QStringLiteral("1") : QStringLiteral("0");
    case FieldKind::Byte: return QString::number(byteOf(c, f, index));
    }
    return {};
}

const QStringList& tabCaptions()
{
    static const QStringList captions = {
        QCoreApplication::translate("ConfigFields", "Všeobecné"),
        QCoreApplication::translate("ConfigFields", "SMS zprávy"),
        QCoreApplication::translate("ConfigFields", "Dig. vstupy"),
        QCoreApplication::translate("ConfigFields", "Dig. výstupy"),
        QCoreApplication::translate("ConfigFields", "Analog. vstupy 1-4"),
        QCoreApplication::translate("ConfigFields", "Analog. vstupy 5-8"),
        QCoreApplication::translate("ConfigFields", "Tel. čísla"),
        QCoreApplication::translate("ConfigFields", "Čítače"),
    };
    return captions;
}

} // namespace torval
