#include "model/ConfigFields.h"

#include <QCoreApplication>
#include <array>

// A row set without its label is an error, not a warning: the switches below
// must name every enumerator.
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

namespace {

// Position of each field's row in kFieldViews.
consteval std::array<std::uint8_t, kFieldCount> viewIndex()
{
    std::array<std::uint8_t, kFieldCount> at{};
    std::array<int, kFieldCount> seen{};
    for (std::size_t v = 0; v < std::size(kFieldViews); ++v) {
        const auto id = std::size_t(kFieldViews[v].id);
        ++seen[id];
        at[id] = std::uint8_t(v);
    }
    for (int n : seen)
        if (n != 1)
            throw "every field has exactly one row in kFieldViews";
    return at;
}
constexpr auto kViewIndex = viewIndex();

// The views agree with the fields: a field of a grid tab with rows has its
// grid column or is set in its row's dialog, single fields are on forms; a
// tab's report table starts with a heading and only its last column takes the
// rest of the line. A field added with a view that cannot be shown stops the
// build here.
consteval bool viewsFitFields()
{
    int lastTab = -1;
    bool open = false; // a report column of the tab awaits its last column
    for (const FieldView& v : kFieldViews) {
        const FieldDef& f = kFields[std::size_t(v.id)];
        const bool gridTab = f.tab >= 2 && f.tab != 5;
        if (f.count > 1 && gridTab && v.grid.line == -1)
            return false;
        if ((f.count == 1 || !gridTab) && v.grid.line != -1)
            return false;
        if (v.grid.line > 0 && f.tab != 4)
            return false; // only analog rows have a second line
        if (v.report.width < 0)
            continue;
        if (f.count == 1)
            return false;
        if (f.tab != lastTab) {
            if (open || !v.report.heading)
                return false;
            lastTab = f.tab;
        } else if (!open) {
            return false; // a column after the one that took the rest of the line
        }
        open = v.report.width > 0;
    }
    return !open;
}
static_assert(viewsFitFields(), "a field's grid column or report column does not fit the field");

} // namespace

const FieldView& FieldDef::view() const
{
    return kFieldViews[kViewIndex[std::size_t(id)]];
}

QString FieldDef::caption() const
{
    return QCoreApplication::translate("ConfigFields", view().caption);
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
