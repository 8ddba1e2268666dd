#include "ui/SettingsUndo.h"

#include "model/SettingsDocument.h"

#include <QScopedValueRollback>
#include <QTimer>

namespace torval {

class SettingsUndo::Step : public QUndoCommand {
public:
    Step(SettingsUndo& owner, Snapshot before, Snapshot after)
        : m_owner(owner), m_before(std::move(before)), m_after(std::move(after))
    { }
    // QUndoStack::push calls redo(); the settings are already the step's result then.
    void redo() override
    {
        if (m_done)
            m_owner.restore(m_after);
        m_done = true;
    }
    void undo() override { m_owner.restore(m_before); }

private:
    SettingsUndo& m_owner;
    Snapshot m_before;
    Snapshot m_after;
    bool m_done = false;
};

SettingsUndo::SettingsUndo(SettingsDocument& document, std::function<bool()> typing, QObject* parent)
    : QObject(parent), m_doc(document), m_typing(std::move(typing)), m_committed(current())
{
    // A settings image is a few kilobytes at most; a long session's steps stay small.
    m_stack.setUndoLimit(500);
    connect(&m_doc, &SettingsDocument::fieldChanged, this, &SettingsUndo::documentChanged);
    connect(&m_doc, &SettingsDocument::analogScaleChanged, this, &SettingsUndo::documentChanged);
    connect(&m_doc, &SettingsDocument::editorSettingsChanged, this, &SettingsUndo::documentChanged);
    connect(&m_stack, &QUndoStack::canUndoChanged, this, &SettingsUndo::availabilityChanged);
    connect(&m_stack, &QUndoStack::canRedoChanged, this, &SettingsUndo::availabilityChanged);
}

SettingsUndo::Snapshot SettingsUndo::current() const
{
    return Snapshot{m_doc.config(), m_doc.editor()};
}

void SettingsUndo::documentChanged()
{
    if (m_restoring)
        return;
    emit availabilityChanged();
    if (m_scheduled)
        return;
    // One change of the user's fans out into several (a rewrite, the battery
    // text's twin, a phone row's rights): they settle before the step is taken.
    m_scheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_scheduled = false;
        if (!m_typing || !m_typing())
            checkpoint();
    });
}

void SettingsUndo::checkpoint()
{
    Snapshot now = current();
    if (now == m_committed)
        return;
    Snapshot before = std::exchange(m_committed, now);
    m_stack.push(new Step(*this, std::move(before), std::move(now)));
    emit availabilityChanged();
}

void SettingsUndo::markStored()
{
    checkpoint();
    m_stack.setClean();
}

void SettingsUndo::restore(const Snapshot& s)
{
    const QScopedValueRollback<bool> restoring(m_restoring, true);
    // The settings were accepted when they became a step; their leave checks
    // do not run again.
    m_doc.setSuppressFieldChecks(true);
    m_doc.assignAll(s.config);
    m_doc.setEditorSettings(s.editor);
    m_doc.setSuppressFieldChecks(false);
    m_committed = s;
}

void SettingsUndo::undo()
{
    if (pending()) {
        restore(m_committed);
        emit availabilityChanged();
        return;
    }
    m_stack.undo();
}

void SettingsUndo::redo()
{
    if (pending())
        return; // redoing would throw the unjudged edits away
    m_stack.redo();
}

bool SettingsUndo::canUndo() const
{
    return m_stack.canUndo() || pending();
}

bool SettingsUndo::canRedo() const
{
    return m_stack.canRedo() && !pending();
}

} // namespace torval
