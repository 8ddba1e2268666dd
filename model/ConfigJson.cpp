#include "model/ConfigJson.h"

#include "model/ConfigFields.h"
#include "model/CzechPlural.h"
#include "model/Encodings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <cmath>

namespace torval {

namespace {

const QString kScaleKey = QStringLiteral("AnalogScale");
constexpr int kMaxDecimals = 10; // more places than the 255-step grid could ever show

QJsonValue itemToJson(const DeviceConfig& c, const FieldDef& f, int i)
{
    switch (f.kind) {
    case FieldKind::Text: return textOf(c, f, i);
    case FieldKind::Flag: return flagOf(c, f, i);
    case FieldKind::Byte: return int(byteOf(c, f, i));
    }
    return {};
}

QJsonObject scaleToJson(const AnalogScale& s)
{
    return QJsonObject{{QStringLiteral("min"), s.min},
                       {QStringLiteral("max"), s.max},
                       {QStringLiteral("decimals"), s.decimals},
                       {QStringLiteral("unit"), s.unit}};
}

QString keyName(const QString& key, int index, int count)
{
    return count == 1 ? key : QStringLiteral("%1[%2]").arg(key, QString::number(index));
}

// Reads one item of a field; an error names the key (and the item).
QString itemFromJson(const QJsonValue& v, const FieldDef& f, int i, DeviceConfig& c, const QString& key)
{
    const QString where = keyName(key, i, f.count);
    switch (f.kind) {
    case FieldKind::Text: {
        if (!v.isString())
            return QCoreApplication::translate("ConfigJson", "Hodnota klíče '%1' musí být text.").arg(where);
        const QString s = v.toString();
        if (f.maxLength > 0 && s.size() > f.maxLength)
            return QCoreApplication::translate("ConfigJson", "Text klíče '%1' je delší než %2.")
                .arg(where, characterCount(f.maxLength));
        *f.text(c, i) = s;
        return {};
    }
    case FieldKind::Flag:
        if (!v.isBool())
            return QCoreApplication::translate("ConfigJson", "Hodnota klíče '%1' musí být true nebo false.").arg(where);
        *f.flag(c, i) = v.toBool();
        return {};
    case FieldKind::Byte: {
        const double d = v.toDouble(-1.0);
        if (!v.isDouble() || d < 0 || d > 255 || d != std::trunc(d))
            return QCoreApplication::translate("ConfigJson", "Hodnota klíče '%1' musí být celé číslo od 0 do 255.")
                .arg(where);
        *f.byte(c, i) = std::uint8_t(d);
        return {};
    }
    }
    return {};
}

QString scalesFromJson(const QJsonValue& v, std::array<AnalogScale, 8>& scales)
{
    if (!v.isArray() || v.toArray().size() != kAnalogCount)
        return QCoreApplication::translate("ConfigJson", "Hodnota klíče '%1' musí být pole o %2 položkách.")
            .arg(kScaleKey, QString::number(kAnalogCount));
    const QJsonArray a = v.toArray();
    for (int i = 0; i < kAnalogCount; ++i) {
        const QString where = keyName(kScaleKey, i, kAnalogCount);
        if (!a[i].isObject())
            return QCoreApplication::translate("ConfigJson",
                                               "Položka '%1' musí být objekt s klíči min, max, decimals a unit.")
                .arg(where);
        const QJsonObject o = a[i].toObject();
        AnalogScale s = scales[std::size_t(i)];
        for (auto it = o.begin(); it != o.end(); ++it) {
            const QString k = it.key();
            const QJsonValue x = it.value();
            const QString item = QStringLiteral("%1.%2").arg(where, k);
            if (k == QLatin1String("min") || k == QLatin1String("max")) {
                if (!x.isDouble() || !std::isfinite(x.toDouble()))
                    return QCoreApplication::translate("ConfigJson", "Hodnota klíče '%1' musí být číslo.").arg(item);
                (k == QLatin1String("min") ? s.min : s.max) = x.toDouble();
            } else if (k == QLatin1String("decimals")) {
                const double d = x.toDouble(-1.0);
                if (!x.isDouble() || d < 0 || d > kMaxDecimals || d != std::trunc(d))
                    return QCoreApplication::translate("ConfigJson",
                                                       "Hodnota klíče '%1' musí být celé číslo od 0 do %2.")
                        .arg(item)
                        .arg(kMaxDecimals);
                s.decimals = int(d);
            } else if (k == QLatin1String("unit")) {
                if (!x.isString())
                    return QCoreApplication::translate("ConfigJson", "Hodnota klíče '%1' musí být text.").arg(item);
                s.unit = x.toString();
            } else {
                return QCoreApplication::translate("ConfigJson", "Neznámý klíč '%1'.").arg(item);
            }
        }
        // Levels are placed on the span between min and max; without a span
        // no level can be stored.
        if (s.min == s.max)
            return QCoreApplication::translate("ConfigJson",
                                               "Rozsah '%1' není správně zadán: min a max se nesmějí shodovat.")
                .arg(where);
        scales[std::size_t(i)] = s;
    }
    return {};
}

} // namespace

QJsonObject configToJson(const DeviceConfig& c)
{
    QJsonObject o;
    for (const FieldDef& f : configFields()) {
        const QString key = QString::fromLatin1(f.name);
        if (f.count == 1) {
            o.insert(key, itemToJson(c, f, 0));
        } else {
            QJsonArray a;
            for (int i = 0; i < f.count; ++i)
                a.append(itemToJson(c, f, i));
            o.insert(key, a);
        }
    }
    QJsonArray scales;
    for (const AnalogScale& s : c.analogScale)
        scales.append(scaleToJson(s));
    o.insert(kScaleKey, scales);
    return o;
}

JsonImport configFromJson(const QByteArray& json)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (pe.error != QJsonParseError::NoError)
        return {std::nullopt,
                {},
                QCoreApplication::translate("ConfigJson", "Data nejsou platný JSON (znak %1): %2.")
                    .arg(QString::number(pe.offset), pe.errorString())};
    if (!doc.isObject())
        return {std::nullopt,
                {},
                QCoreApplication::translate("ConfigJson", "Data JSON musí být jeden objekt s nastavením stanice.")};
    const QJsonObject o = doc.object();

    DeviceConfig c;
    EditorSettings editor;
    // The scales first: levels that are not given default to the given range.
    if (o.contains(kScaleKey)) {
        if (QString e = scalesFromJson(o.value(kScaleKey), c.analogScale); !e.isEmpty())
            return {std::nullopt, {}, e};
        // A bound that does not fit the level field could never be typed,
        // and a file exported with it would not import again.
        const int room = field(FieldId::tabAINCL1Level).maxLength;
        for (int i = 0; i < kAnalogCount; ++i) {
            const auto k = std::size_t(i);
            c.tabAINCL1Level[k] = numberText(c.analogScale[k].min);
            c.tabAINCL2Level[k] = numberText(c.analogScale[k].max);
            if (c.tabAINCL1Level[k].size() > room || c.tabAINCL2Level[k].size() > room)
                return {std::nullopt,
                        {},
                        QCoreApplication::translate(
                            "ConfigJson",
                            "Rozsah '%1' není správně zadán: meze '%2' a '%3' se nevejdou do úrovně o %4 znacích.")
                            .arg(keyName(kScaleKey, i, kAnalogCount), c.tabAINCL1Level[k], c.tabAINCL2Level[k])
                            .arg(room)};
        }
    }

    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString key = it.key();
        if (key == kScaleKey)
            continue;
        if (key == QLatin1String("tabUTOEnable")) {
            if (!it.value().isBool())
                return {
                    std::nullopt,
                    {},
                    QCoreApplication::translate("ConfigJson", "Hodnota klíče '%1' musí být true nebo false.").arg(key)};
            editor.tabUTOEnable = it.value().toBool();
            continue;
        }
        if (key == QLatin1String("tabUTO")) {
            if (!it.value().isString())
                return {std::nullopt,
                        {},
                        QCoreApplication::translate("ConfigJson", "Hodnota klíče '%1' musí být text.").arg(key)};
            editor.tabUTO = it.value().toString();
            continue;
        }
        const FieldDef* f = findField(key.toStdString());
        if (!f)
            return {std::nullopt, {}, QCoreApplication::translate("ConfigJson", "Neznámý klíč '%1'.").arg(key)};
        const QJsonValue v = it.value();
        if (f->count == 1) {
            if (QString e = itemFromJson(v, *f, 0, c, key); !e.isEmpty())
                return {std::nullopt, {}, e};
            continue;
        }
        if (!v.isArray() || v.toArray().size() != f->count)
            return {std::nullopt,
                    {},
                    QCoreApplication::translate("ConfigJson", "Hodnota klíče '%1' musí být pole o %2 položkách.")
                        .arg(key, QString::number(f->count))};
        const QJsonArray a = v.toArray();
        for (int i = 0; i < f->count; ++i)
            if (QString e = itemFromJson(a[i], *f, i, c, key); !e.isEmpty())
                return {std::nullopt, {}, e};
    }

    // The battery-low report and the BAT input's CL1-down text are one text.
    const bool hasBatt = o.contains(QLatin1String(field(FieldId::rtBattLow).name));
    const bool hasCl1Dn = o.contains(QLatin1String(field(FieldId::tabAINCL1Dn).name));
    QString& cl1Dn = c.tabAINCL1Dn[kBatteryInput];
    if (hasBatt && hasCl1Dn && c.rtBattLow != cl1Dn)
        return {std::nullopt,
                {},
                QCoreApplication::translate("ConfigJson",
                                            "Klíče 'rtBattLow' a 'tabAINCL1Dn[%1]' jsou jeden text a musí se shodovat.")
                    .arg(kBatteryInput)};
    if (hasBatt)
        cl1Dn = c.rtBattLow;
    else
        c.rtBattLow = cl1Dn;
    return {c, editor, {}};
}

} // namespace torval
