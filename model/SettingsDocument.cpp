#include "model/SettingsDocument.h"

#include "model/SettingsSize.h"

namespace torval {

SettingsDocument::SettingsDocument(QObject* parent) : QObject(parent)
{
    m_size = torval::settingsSize(m_config);
}

void SettingsDocument::setText(const FieldDef& f, int index, const QString& value)
{
    QString& slot = *f.text(m_config, index);
    if (slot == value)
        return;
    slot = value;
    textChanged(f, index);
}

void SettingsDocument::textChanged(const FieldDef& f, int index)
{
    updateSize();
    emit fieldChanged(&f, index);
    // The battery-low report and the BAT input's CL1-down text are one text
    // shown in two places; each change copies it once into the other.
    if (f.id == FieldId::rtBattLow)
        setText(field(FieldId::tabAINCL1Dn), kBatteryInput, m_config.rtBattLow);
    else if (f.id == FieldId::tabAINCL1Dn && index == kBatteryInput)
        setText(field(FieldId::rtBattLow), 0, m_config.tabAINCL1Dn[kBatteryInput]);
}

void SettingsDocument::setFlag(const FieldDef& f, int index, bool value)
{
    bool& slot = *f.flag(m_config, index);
    if (slot == value)
        return;
    slot = value;
    emit fieldChanged(&f, index);
}

void SettingsDocument::setByte(const FieldDef& f, int index, std::uint8_t value)
{
    std::uint8_t& slot = *f.byte(m_config, index);
    if (slot == value)
        return;
    slot = value;
    emit fieldChanged(&f, index);
}

void SettingsDocument::assignImageFields(const DeviceConfig& c)
{
    for (const FieldDef& f : configFields()) {
        for (int i = 0; i < f.count; ++i) {
            switch (f.kind) {
            case FieldKind::Text: setText(f, i, textOf(c, f, i)); break;
            case FieldKind::Flag: setFlag(f, i, flagOf(c, f, i)); break;
            case FieldKind::Byte: setByte(f, i, byteOf(c, f, i)); break;
            }
        }
    }
    // The two battery texts are one; after a load they must agree whatever order
    // they were assigned in.
    if (m_config.rtBattLow != c.rtBattLow || m_config.tabAINCL1Dn[kBatteryInput] != c.tabAINCL1Dn[kBatteryInput])
        setText(field(FieldId::tabAINCL1Dn), kBatteryInput, c.tabAINCL1Dn[kBatteryInput]);
}

void SettingsDocument::assignAll(const DeviceConfig& c)
{
    for (int i = 0; i < kAnalogCount; ++i)
        setAnalogScale(i, c.analogScale[std::size_t(i)]);
    assignImageFields(c);
}

void SettingsDocument::setAnalogScale(int index, const AnalogScale& scale)
{
    if (m_config.analogScale[std::size_t(index)] == scale)
        return;
    m_config.analogScale[std::size_t(index)] = scale;
    emit analogScaleChanged(index);
}

void SettingsDocument::setEditorSettings(const EditorSettings& e)
{
    if (m_editor == e)
        return;
    m_editor = e;
    emit editorSettingsChanged();
}

void SettingsDocument::updateSize()
{
    const int n = torval::settingsSize(m_config);
    if (n == m_size)
        return;
    m_size = n;
    emit settingsSizeChanged(n);
}

} // namespace torval
