#include "rules/SettingsCheck.h"

#include "model/CzechPlural.h"
#include "rules/FieldRules.h"
#include "rules/NumberRules.h"
#include "rules/OutputCommands.h"
#include "rules/PhoneRules.h"

#include <QCoreApplication>
#include <algorithm>

namespace torval {

QString tooLongMessage(int length, int maxLength)
{
    return QCoreApplication::translate("SettingsCheck", "Text je příliš dlouhý: má %1, pole dovoluje nejvýše %2.")
        .arg(characterCount(length))
        .arg(maxLength);
}

namespace {
QString labelOf(const FieldDef& f, int index)
{
    return f.count == 1 ? QString::fromLatin1(f.name) : f.label(index);
}
} // namespace

std::vector<SettingsFinding> checkSettings(const DeviceConfig& config)
{
    std::vector<SettingsFinding> out;
    const EditorSettings editor; // the UTO rule only rewrites, it never rejects

    for (const FieldDef& f : configFields()) {
        if (f.kind != FieldKind::Text)
            continue;
        for (int i = 0; i < f.count; ++i) {
            const QString& text = textOf(config, f, i);
            if (f.maxLength > 0 && text.size() > f.maxLength)
                out.push_back({&f, i, labelOf(f, i), tooLongMessage(int(text.size()), f.maxLength)});

            bool latch = false; // each field on its own: no partner has spoken before
            const FieldCheck r = checkFieldLeave(f, i, config, editor, latch);
            if (!r.passed)
                out.push_back({&f, i, labelOf(f, i), r.message});
        }
    }

    if (const auto o = checkOutputCommands(config))
        out.push_back({o->field, o->output, outputLabel(o->output), o->message});
    return out;
}

std::vector<SettingsFinding> settingsWarnings(const DeviceConfig& config)
{
    std::vector<SettingsFinding> out;
    for (int i = 0; i < kAnalogCount; ++i) {
        const auto u = std::size_t(i);
        if (!analogLevelsValid(config.tabAINCL1Level[u], config.tabAINHCL1Level[u], config.tabAINCL2Level[u],
                               config.tabAINHCL2Level[u], config.analogScale[u]))
            out.push_back({nullptr, i, analogLabel(i), kAnalogLevelsMessage});
    }
    return out;
}

StoredSettings settingsAsStored(const DeviceConfig& typed, const EditorSettings& editor)
{
    StoredSettings s{typed, {}, {}, {}};
    // The prefix itself is a field of the window with its own check.
    if (const FieldCheck uto = checkUtoLeave(editor.tabUTO); !uto.passed) {
        s.refusals.push_back({nullptr, 0, QStringLiteral("tabUTO"), uto.message});
        return s;
    }
    s.rewrites = applyFieldRewrites(s.config, editor);
    s.refusals = checkSettings(s.config);
    s.warnings = settingsWarnings(s.config);
    return s;
}

QString findingText(const SettingsFinding& f)
{
    QString out = f.label;
    if (f.field && f.field->count > 1)
        out += QLatin1Char(' ') + QString::fromLatin1(f.field->name);
    return out + QStringLiteral(": ") + f.message;
}

QString findingsText(const std::vector<SettingsFinding>& findings)
{
    QString out;
    for (const SettingsFinding& f : findings)
        out += findingText(f) + QLatin1Char('\n');
    return out;
}

std::vector<FieldRewrite> applyFieldRewrites(DeviceConfig& config, const EditorSettings& editor)
{
    std::vector<FieldRewrite> out;
    auto record = [&out](const FieldEdit& e, const QString& before) {
        for (FieldRewrite& r : out)
            if (r.field == e.field && r.index == e.index) {
                r.after = e.text;
                return;
            }
        out.push_back({e.field, e.index, before, e.text, {}});
    };
    // A pair's minutes before its hours: typed after the hours, they are
    // carried into them instead of being cut to 59 by the hours' rule.
    std::vector<const FieldDef*> order;
    for (const FieldDef& f : configFields())
        if (f.kind == FieldKind::Text)
            order.push_back(&f);
    for (auto [hours, minutes] :
         {std::pair{FieldId::eePSOnH, FieldId::eePSOnM}, std::pair{FieldId::eePSOffH, FieldId::eePSOffM}}) {
        const auto h = std::find(order.begin(), order.end(), &field(hours));
        const auto m = std::find(order.begin(), order.end(), &field(minutes));
        std::iter_swap(h, m);
    }
    // A second round settles a pair whose partner was rewritten after it was
    // left (minutes carried into the hours); the rules reach their fixed
    // point within it.
    for (int round = 0; round < 3; ++round) {
        bool changed = false;
        for (const FieldDef* f : order) {
            for (int i = 0; i < f->count; ++i) {
                bool latch = false;
                const FieldCheck r = checkFieldLeave(*f, i, config, editor, latch);
                if (r.tickBatteryCl1Down && !config.tabAINCL1DnEvent[kBatteryInput]) {
                    config.tabAINCL1DnEvent[kBatteryInput] = true;
                    out.push_back({&field(FieldId::tabAINCL1DnEvent),
                                   kBatteryInput,
                                   QStringLiteral("0"),
                                   QStringLiteral("1"),
                                   {}});
                }
                if (!r.passed)
                    continue;
                for (const FieldEdit& e : r.rewrites) {
                    // textOf gives the field's own string inside `config`, which is ours to change.
                    auto& text = const_cast<QString&>(textOf(config, *e.field, e.index));
                    record(e, text);
                    text = e.text;
                    changed = true;
                }
                // A row without a number keeps no rights: the window warns and unticks.
                if (r.phoneRights) {
                    const auto u = std::size_t(i);
                    if (r.phoneRights->clearPrijem && config.tabTCPrijem[u]) {
                        config.tabTCPrijem[u] = false;
                        out.push_back({&field(FieldId::tabTCPrijem), i, QStringLiteral("1"), QStringLiteral("0"),
                                       kPhoneRightsPrijemWarning});
                    }
                    if (r.phoneRights->clearUdalost && config.tabTCUdalost[u]) {
                        config.tabTCUdalost[u] = false;
                        out.push_back({&field(FieldId::tabTCUdalost), i, QStringLiteral("1"), QStringLiteral("0"),
                                       kPhoneRightsUdalostWarning});
                    }
                }
            }
        }
        if (!changed)
            break;
    }
    // A field rewritten back to where it started is no change.
    std::erase_if(out, [](const FieldRewrite& r) { return r.before == r.after; });
    return out;
}

QString rewriteText(const FieldRewrite& r)
{
    QString where = labelOf(*r.field, r.index);
    if (r.field->count > 1)
        where += QLatin1Char(' ') + QString::fromLatin1(r.field->name);
    where += QStringLiteral(": '") + r.before + QStringLiteral("' → '") + r.after + QLatin1Char('\'');
    if (!r.note.isEmpty())
        where += QStringLiteral(" (") + r.note + QLatin1Char(')');
    return where;
}

} // namespace torval
