#pragma once
// The one store of the settings being edited. Grids, dialogs, the decoder and
// the JSON import all change settings through it, so every path applies the
// same ties between fields: the battery text shown in two places, and the
// settings size recomputed after every text change.

#include "model/ConfigFields.h"
#include "model/DeviceConfig.h"

#include <QObject>

namespace torval {

class SettingsDocument : public QObject {
    Q_OBJECT
public:
    explicit SettingsDocument(QObject* parent = nullptr);

    const DeviceConfig& config() const { return m_config; }
    const EditorSettings& editor() const { return m_editor; }
    int settingsSize() const { return m_size; }

    // Setting a value equal to the current one is no change and signals nothing.
    void setText(const FieldDef& field, int index, const QString& value);
    void setFlag(const FieldDef& field, int index, bool value);
    void setByte(const FieldDef& field, int index, std::uint8_t value);

    // Replaces every field the image holds with the values of `c` through the
    // setters above (so the reactions run); the scales stay as they are.
    void assignImageFields(const DeviceConfig& c);
    // Replaces everything, scales included (JSON import, tests).
    void assignAll(const DeviceConfig& c);

    void setAnalogScale(int index, const AnalogScale& scale);
    void setEditorSettings(const EditorSettings& e);

    // Raised while a decoded image fills the editor, and used by the pair
    // checks of the field rules as a one-shot latch.
    bool suppressFieldChecks() const { return m_suppress; }
    void setSuppressFieldChecks(bool on) { m_suppress = on; }

signals:
    void fieldChanged(const torval::FieldDef* field, int index);
    void settingsSizeChanged(int size);
    void analogScaleChanged(int index);
    void editorSettingsChanged();

private:
    void textChanged(const FieldDef& field, int index);
    void updateSize();

    DeviceConfig m_config;
    EditorSettings m_editor;
    int m_size = 0;
    bool m_suppress = false;
};

} // namespace torval
