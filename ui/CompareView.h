#pragma once
// "Porovnat se stanicí": what a write would change, one line per field,
// grouped by the tab that shows it, so the technician can find each field in
// the window. Long texts are elided in the middle (the full text is the
// tooltip); Ctrl+C copies the selected lines as text for a service report.

#include "model/SettingsDiff.h"

#include <QDialog>
#include <vector>

class QLabel;
class QTableWidget;

namespace torval {

class CompareView : public QDialog {
    Q_OBJECT

public:
    explicit CompareView(QWidget* parent = nullptr);

    // The station's settings before, the program's after; empty: "Shodné".
    void showDifferences(const std::vector<FieldDifference>& differences);

    // The selected lines, tab-separated, full texts: what Ctrl+C copies.
    [[nodiscard]] QString selectedText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copySelection() const;

    QLabel* m_equal = nullptr;
    QTableWidget* m_table = nullptr;
};

} // namespace torval
