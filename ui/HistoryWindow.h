#pragma once
// "Historie": the station writes recorded in the history, newest first,
// filtered by station name; for the chosen write what it changed, by tab and
// row caption, and the settings before or after it offered to the editor.

#include <QByteArray>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace torval {

class HistoryStore;
class HistoryModel;

class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(HistoryStore& store, QWidget* parent = nullptr);

    // Reads the records again (after a write, or when the window is shown).
    void reload();
    [[nodiscard]] int rowCount() const;

signals:
    // "Načíst do editoru": the bytes of a settings image from address 0.
    void loadRequested(const QByteArray& image, const QString& what);

private:
    void showRecord();
    void offer(bool before);

    HistoryStore& m_store;
    HistoryModel* m_model = nullptr;
    QLineEdit* m_filter = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_message = nullptr;
    QPlainTextEdit* m_changes = nullptr;
    QPushButton* m_loadBefore = nullptr;
    QPushButton* m_loadAfter = nullptr;
    QByteArray m_before;
    QByteArray m_after;
    qint64 m_shownId = 0;
};

} // namespace torval
