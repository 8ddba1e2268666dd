#include "model/SettingsDiff.h"

#include "model/EepromImage.h"
#include "model/Encodings.h"
#include "model/ImageLayout.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <algorithm>

namespace torval {

namespace {

QString byteText(std::optional<std::uint8_t> b)
{
    return b ? QString::number(*b) : QString();
}

// The form in which the encoder stores a number field; two texts that the
// station would hold as the same bytes are the same setting. A text the
// encoder cannot convert compares as it is written.
QString comparable(const DeviceConfig& c, const FieldDef& f, int i)
{
    // A report switched on without a text to send is stored as off.
    if (f.id == FieldId::opNotAuthorized)
        return QString::number(c.opNotAuthorized && !c.rtNotAuthorized.isEmpty());
    if (f.id == FieldId::opSwitchReport)
        return QString::number(c.opSwitchReport && !(c.rtSwitchOn.isEmpty() && c.rtSwitchOff.isEmpty()));
    if (f.id == FieldId::opPowerReport)
        return QString::number(c.opPowerReport && !(c.rtPowerUp.isEmpty() && c.rtPowerDown.isEmpty()));
    if (f.kind != FieldKind::Text)
        return valueText(c, f, i);
    const QString& t = textOf(c, f, i);
    const AnalogScale& s = c.analogScale[std::size_t(std::clamp(i, 0, kAnalogCount - 1))];
    QString n;
    if (f.id == FieldId::tabDobaPlatnostiSMS)
        n = byteText(validityToByte(t));
    else if (f.id == FieldId::tabOUTimpulsLEN)
        n = QString::number(pulseToByte(t));
    else if (f.id == FieldId::eePSOnH || f.id == FieldId::eePSOffH)
        n = normalizeNumber(t, 0, 465, 0);
    else if (f.id == FieldId::eePSOnM || f.id == FieldId::eePSOffM)
        n = normalizeNumber(t, 0, 59, 0);
    else if (f.id == FieldId::tabAINCL1Level || f.id == FieldId::tabAINCL2Level)
        n = byteText(levelToByte(s, t));
    else if (f.id == FieldId::tabAINHCL1Level || f.id == FieldId::tabAINHCL2Level)
        n = byteText(hystToByte(s, t));
    else
        return t;
    return n.isEmpty() ? QStringLiteral("text:") + t : n;
}

QString shown(const FieldDef& f, const QString& value)
{
    switch (f.kind) {
    case FieldKind::Text: return QLatin1Char('"') + value + QLatin1Char('"');
    case FieldKind::Flag:
        return value == QLatin1String("1") ? QCoreApplication::translate("SettingsDiff", "ano")
                                           : QCoreApplication::translate("SettingsDiff", "ne");
    case FieldKind::Byte: return value;
    }
    return value;
}

QJsonValue jsonValue(const FieldDef& f, const QString& value)
{
    switch (f.kind) {
    case FieldKind::Text: return value;
    case FieldKind::Flag: return value == QLatin1String("1");
    case FieldKind::Byte: return value.toInt();
    }
    return value;
}

} // namespace

std::vector<FieldDifference> diffConfigs(const DeviceConfig& a, const DeviceConfig& b)
{
    std::vector<FieldDifference> out;
    const int tabs = int(tabCaptions().size());
    for (int tab = 0; tab < tabs; ++tab) {
        for (const FieldDef& f : configFields()) {
            for (int i = 0; i < f.count; ++i) {
                if (f.tabFor(i) != tab || comparable(a, f, i) == comparable(b, f, i))
                    continue;
                out.push_back({&f, i, tab, f.label(i), valueText(a, f, i), valueText(b, f, i)});
            }
        }
    }
    return out;
}

std::optional<int> usedImageEnd(const EepromImage& image)
{
    // The last list of the layout: its entries, then 0xFF 0xFF.
    const layout::TextList& last = layout::kTextLists[std::size(layout::kTextLists) - 1];
    const auto pointer = image.readImageWord(last.pointer);
    if (!pointer || *pointer < layout::kTextArea)
        return std::nullopt;
    int p = *pointer;
    for (int entry = 0; entry < last.entries; ++entry) {
        while (p < EepromImage::kSize && image.at(p) != 0)
            ++p;
        if (p >= EepromImage::kSize)
            return std::nullopt;
        ++p;
    }
    return std::min(p + 2, int(EepromImage::kSize));
}

bool settingsOwnAddress(int address, int usedEnd)
{
    if (address < 0)
        return false;
    // The list pointers, the constant word, the magic, the checksum and the
    // fixed block's own ranges.
    if (address < layout::kTextArea)
        return layout::settingsHeaderByte(address);
    return address < usedEnd;
}

std::vector<int> diffOtherBytes(const EepromImage& a, const EepromImage& b, int length)
{
    const int end = std::max(usedImageEnd(a).value_or(layout::kTextArea), usedImageEnd(b).value_or(layout::kTextArea));
    std::vector<int> out;
    const int n = std::clamp(length, 0, int(EepromImage::kSize));
    for (int addr = 0; addr < n; ++addr)
        if (a.at(addr) != b.at(addr) && !settingsOwnAddress(addr, end))
            out.push_back(addr);
    return out;
}

QString addressRuns(const std::vector<int>& addresses)
{
    QStringList runs;
    for (std::size_t k = 0; k < addresses.size();) {
        std::size_t e = k;
        while (e + 1 < addresses.size() && addresses[e + 1] == addresses[e] + 1)
            ++e;
        runs << (e == k ? QString::number(addresses[k])
                        : QStringLiteral("%1..%2").arg(QString::number(addresses[k]), QString::number(addresses[e])));
        k = e + 1;
    }
    return runs.join(QStringLiteral(", "));
}

QString differenceValue(const FieldDef& field, const QString& value)
{
    return shown(field, value);
}

QString describeDifference(const FieldDifference& d)
{
    return d.field->place(d.index) + QStringLiteral(": ") + shown(*d.field, d.before) + QStringLiteral(" → ")
        + shown(*d.field, d.after);
}

QString formatDifferences(const SettingsDifferences& d)
{
    QString out;
    int tab = -1;
    for (const FieldDifference& x : d.fields) {
        if (x.tab != tab) {
            tab = x.tab;
            out += QStringLiteral("[%1]\n").arg(tabCaptions().value(tab));
        }
        out += QStringLiteral("  ") + describeDifference(x) + QLatin1Char('\n');
    }
    if (!d.otherBytes.empty())
        out += QCoreApplication::translate("SettingsDiff", kOtherBytesDiffer).arg(addressRuns(d.otherBytes))
            + QLatin1Char('\n');
    return out;
}

QJsonObject differencesToJson(const SettingsDifferences& d)
{
    QJsonArray fields;
    for (const FieldDifference& x : d.fields) {
        QJsonObject o;
        o[QStringLiteral("tab")] = tabCaptions().value(x.tab);
        o[QStringLiteral("label")] = x.label;
        o[QStringLiteral("field")] = QString::fromLatin1(x.field->name);
        o[QStringLiteral("index")] = x.index;
        o[QStringLiteral("old")] = jsonValue(*x.field, x.before);
        o[QStringLiteral("new")] = jsonValue(*x.field, x.after);
        fields.append(o);
    }
    QJsonArray other;
    for (int a : d.otherBytes)
        other.append(a);
    QJsonObject root;
    root[QStringLiteral("equal")] = d.empty();
    root[QStringLiteral("fields")] = fields;
    root[QStringLiteral("otherBytes")] = other;
    return root;
}

} // namespace torval
