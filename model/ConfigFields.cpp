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
