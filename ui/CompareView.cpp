#include "ui/CompareView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

namespace torval {

namespace {

enum Column { Tab, Row, Caption, Station, Program, Columns };

// The whole tab caption on every line, also where the cell is spanned over
// its group: a copied line must stand on its own.
constexpr int kTabRole = Qt::UserRole;

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

CompareView::CompareView(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Porovnani"));
    setWindowTitle(QCoreApplication::translate("CompareView", "Porovnání se stanicí"));
    auto* box = new QVBoxLayout(this);
    box->addWidget(
        new QLabel(QCoreApplication::translate("CompareView", "Co zápis do EEPROM změní (stanice → program):")));

    m_equal = new QLabel(QCoreApplication::translate("CompareView", "Shodné"));
    m_equal->setObjectName(QStringLiteral("lblShodne"));
    m_equal->setAlignment(Qt::AlignCenter);
    box->addWidget(m_equal, 1);

    m_table = new QTableWidget(0, Columns);
    m_table->setObjectName(QStringLiteral("tblRozdily"));
    m_table->setHorizontalHeaderLabels({QCoreApplication::translate("CompareView", "Záložka"),
                                        QCoreApplication::translate("CompareView", "Řádek"),
                                        QCoreApplication::translate("CompareView", "Položka"),
                                        QCoreApplication::translate("CompareView", "Ve stanici"),
                                        QCoreApplication::translate("CompareView", "V programu")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTextElideMode(Qt::ElideMiddle);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(Tab, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(Row, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(Caption, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(Station, QHeaderView::Stretch);
    header->setSectionResizeMode(Program, QHeaderView::Stretch);
    box->addWidget(m_table, 1);

    auto* copy = new QAction(QCoreApplication::translate("CompareView", "Kopírovat"), m_table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, [this] { copySelection(); });
    m_table->addAction(copy);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The view's own Ctrl+C would copy the current cell only.
    m_table->installEventFilter(this);

    auto* buttons = new QDialogButtonBox;
    QPushButton* close =
        buttons->addButton(QCoreApplication::translate("CompareView", "&Zavřít"), QDialogButtonBox::RejectRole);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    box->addWidget(buttons);
    resize(900, 420); // room for two texts of the longest kind side by side
}

void CompareView::showDifferences(const std::vector<FieldDifference>& differences)
{
    m_table->clearSpans();
    m_table->setRowCount(int(differences.size()));
    int groupStart = 0;
    for (int r = 0; r < int(differences.size()); ++r) {
        const FieldDifference& d = differences[std::size_t(r)];
        const QString tab = tabCaptions().value(d.tab);
        auto* tabItem = cell(tab);
        tabItem->setData(kTabRole, tab);
        QFont bold = tabItem->font();
        bold.setBold(true);
        tabItem->setFont(bold);
        m_table->setItem(r, Tab, tabItem);
        m_table->setItem(r, Row, cell(d.label));
        m_table->setItem(r, Caption, cell(d.field->caption()));
        m_table->setItem(r, Station, cell(differenceValue(*d.field, d.before)));
        auto* program = cell(differenceValue(*d.field, d.after));
        program->setFont(bold); // what the write brings: the eye goes there first
        m_table->setItem(r, Program, program);
        // One tab cell per group: the lines of a tab read as one block.
        const bool groupEnds = r + 1 == int(differences.size()) || differences[std::size_t(r) + 1].tab != d.tab;
        if (groupEnds) {
            if (r > groupStart)
                m_table->setSpan(groupStart, Tab, r - groupStart + 1, 1);
            groupStart = r + 1;
        }
    }
    m_equal->setVisible(differences.empty());
    m_table->setVisible(!differences.empty());
}

QString CompareView::selectedText() const
{
    std::set<int> rows;
    for (const QModelIndex& i : m_table->selectionModel()->selectedIndexes())
        rows.insert(i.row());
    QString out;
    for (int r : rows) {
        QStringList cells{m_table->item(r, Tab)->data(kTabRole).toString()};
        for (int c = Row; c < Columns; ++c)
            cells << m_table->item(r, c)->text();
        out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

bool CompareView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copySelection();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CompareView::copySelection() const
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

} // namespace torval
