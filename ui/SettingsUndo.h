#pragma once
// Undo and redo of the editor's settings. The document stays their one owner:
// a step is the settings before and after one change (a field left with its
// rewrites, a box ticked, a dialog's OK, a load), and undoing it assigns the
// earlier settings back through the document, so the widgets, the size and
// the title's "*" follow as they do for any other change.

#include "model/DeviceConfig.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

namespace torval {

class SettingsDocument;

class SettingsUndo : public QObject {
    Q_OBJECT
public:
    // `typing`: true while a text field holds edits its leave check has not
    // judged yet; such edits become a step when the field is left.
    SettingsUndo(SettingsDocument& document, std::function<bool()> typing, QObject* parent = nullptr);

    // The changes since the last step become one step (nothing when none).
    void checkpoint();
    // After a load or a save: the settings now are those stored.
    void markStored();

    // Edits not yet a step are taken back first, on their own.
    void undo();
    void redo();
    [[nodiscard]] bool canUndo() const;
    [[nodiscard]] bool canRedo() const;
    [[nodiscard]] const QUndoStack& stack() const { return m_stack; }

signals:
    void availabilityChanged();

private:
    struct Snapshot {
        DeviceConfig config;
        EditorSettings editor;
        bool operator==(const Snapshot&) const = default;
    };
    class Step;

    [[nodiscard]] Snapshot current() const;
    [[nodiscard]] bool pending() const { return current() != m_committed; }
    void restore(const Snapshot& s);
    void documentChanged();

    SettingsDocument& m_doc;
    std::function<bool()> m_typing;
    QUndoStack m_stack;
    Snapshot m_committed;
    bool m_restoring = false;
    bool m_scheduled = false;
};

} // namespace torval
