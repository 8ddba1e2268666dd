#include "rules/SettingsCheck.h"

#include "rules/FieldRules.h"
#include "rules/NumberRules.h"
#include "rules/OutputCommands.h"

namespace torval {

QString tooLongMessage(int length, int maxLength)
{
    return QStringLiteral("Text je příliš dlouhý: má %1 znaků, pole dovoluje nejvýše %2.").arg(length).arg(maxLength);
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
            else if (r.phoneRights)
                for (const QString& w : r.phoneRights->warnings)
                    out.push_back({&f, i, labelOf(f, i), w});
        }
    }

    for (int i = 0; i < kAnalogCount; ++i) {
        const auto u = std::size_t(i);
        if (!analogLevelsValid(config.tabAINCL1Level[u], config.tabAINHCL1Level[u], config.tabAINCL2Level[u],
                               config.tabAINHCL2Level[u], config.analogScale[u]))
            out.push_back({nullptr, i, analogLabel(i), kAnalogLevelsMessage});
    }

    if (const auto o = checkOutputCommands(config))
        out.push_back({o->field, o->output, outputLabel(o->output), o->message});
    return out;
}

} // namespace torval
