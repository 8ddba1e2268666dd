#include "ui/HistoryWindow.h"

#include "history/HistoryStore.h"
#include "model/DeviceConfig.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/SettingsDiff.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace torval {

// The records as a plain table: 10,000 rows cost one query and one vector.
class HistoryModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRecords(std::vector<WriteRecord> records)
    {
        beginResetModel();
        m_records = std::move(records);
        endResetModel();
    }
    [[nodiscard]] const WriteRecord* at(int row) const
    {
        return row >= 0 && row < int(m_records.size()) ? &m_records[std::size_t(row)] : nullptr;
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_records.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 5; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const WriteRecord* r = at(index.row());
        if (!r || role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case 0: return r->time.toLocalTime().toString(QStringLiteral("d. M. yyyy H:mm:ss"));
        case 1: return r->station;
        case 2: return r->port;
        case 3: return writeProgramText(r->program);
        default: return writeResultText(r->result);
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, o, role);
        static const char* const captions[] = {
            QT_TRANSLATE_NOOP("HistoryWindow", "Čas"), QT_TRANSLATE_NOOP("HistoryWindow", "Stanice"),
            QT_TRANSLATE_NOOP("HistoryWindow", "Port"), QT_TRANSLATE_NOOP("HistoryWindow", "Zapsal"),
            QT_TRANSLATE_NOOP("HistoryWindow", "Výsledek")};
        return QCoreApplication::translate("HistoryWindow", captions[section]);
    }

private:
    std::vector<WriteRecord> m_records;
};

namespace {

std::optional<DeviceConfig> decoded(const QByteArray& bytes)
{
    if (bytes.isEmpty() || bytes.size() > EepromImage::kSize)
        return std::nullopt;
    auto image = std::make_unique<EepromImage>();
    std::copy(bytes.begin(), bytes.end(), image->bytes().begin());
    DecodeResult r = decodeImage(*image, DeviceConfig{});
    if (!r.complete || !imageHeaderValid(*image))
        return std::nullopt;
    return std::move(r.config);
}

} // namespace

HistoryWindow::HistoryWindow(HistoryStore& store, QWidget* parent) : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("Historie"));
    setWindowTitle(tr("Historie zápisů do stanic"));
    auto* box = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Název stanice:")));
    m_filter = new QLineEdit;
    m_filter->setObjectName(QStringLiteral("historieFiltr"));
    m_filter->setPlaceholderText(tr("všechny stanice"));
    m_filter->setClearButtonEnabled(true);
    top->addWidget(m_filter, 1);
    box->addLayout(top);
    m_message = new QLabel;
    m_message->setWordWrap(true);
    m_message->hide();
    box->addWidget(m_message);

    auto* split = new QSplitter(Qt::Vertical);
    m_model = new HistoryModel(this);
    m_table = new QTableView;
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // Fixed row heights and widths: measuring 10,000 rows would cost more than reading them.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (const auto& [column, width] : {std::pair{0, 150}, {1, 220}, {2, 130}, {3, 150}})
        m_table->setColumnWidth(column, width);
    split->addWidget(m_table);
    m_changes = new QPlainTextEdit;
    m_changes->setObjectName(QStringLiteral("historieZmeny"));
    m_changes->setReadOnly(true);
    m_changes->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    split->addWidget(m_changes);
    box->addWidget(split, 1);

    auto* buttons = new QHBoxLayout;
    m_loadBefore = new QPushButton(tr("Načíst do editoru: nastavení před zápisem"));
    m_loadBefore->setObjectName(QStringLiteral("btHistoriePred"));
    m_loadAfter = new QPushButton(tr("Načíst do editoru: zapsané nastavení"));
    m_loadAfter->setObjectName(QStringLiteral("btHistoriePo"));
    auto* close = new QPushButton(tr("Zavřít"));
    buttons->addWidget(m_loadBefore);
    buttons->addWidget(m_loadAfter);
    buttons->addStretch(1);
    buttons->addWidget(close);
    box->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_loadBefore, &QPushButton::clicked, this, [this] { offer(true); });
    connect(m_loadAfter, &QPushButton::clicked, this, [this] { offer(false); });
    // Filtered as the name is typed, once the typing pauses.
    auto* typing = new QTimer(this);
    typing->setSingleShot(true);
    typing->setInterval(150);
    connect(m_filter, &QLineEdit::textChanged, typing, qOverload<>(&QTimer::start));
    connect(typing, &QTimer::timeout, this, &HistoryWindow::reload);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &HistoryWindow::showRecord);
    resize(900, 600);
    showRecord();
}

void HistoryWindow::reload()
{
    m_model->setRecords(m_store.list(m_filter->text().trimmed()));
    const QString problem = !m_store.error().isEmpty() ? m_store.error() : m_store.notice();
    m_message->setText(problem);
    m_message->setVisible(!problem.isEmpty());
    if (m_model->rowCount() > 0)
        m_table->selectRow(0);
    showRecord();
}

int HistoryWindow::rowCount() const
{
    return m_model->rowCount();
}

void HistoryWindow::showRecord()
{
    const WriteRecord* shown = m_model->at(m_table->currentIndex().row());
    m_before.clear();
    m_after.clear();
    m_shownId = 0;
    if (!shown) {
        m_changes->clear();
        m_loadBefore->setEnabled(false);
        m_loadAfter->setEnabled(false);
        return;
    }
    const std::optional<WriteRecord> r = m_store.record(shown->id); // the bytes only for the one shown
    if (!r) {
        m_changes->setPlainText(m_store.error());
        return;
    }
    m_shownId = r->id;
    const std::optional<DeviceConfig> before = decoded(r->before);
    const std::optional<DeviceConfig> after = decoded(r->written);
    if (before)
        m_before = r->before;
    if (after)
        m_after = r->written;
    m_loadBefore->setEnabled(before.has_value());
    m_loadAfter->setEnabled(after.has_value());
    QString text = tr("%1, port %2, %3, paměť %4 B, %5: %6\n\n")
                       .arg(r->station, r->port, r->product, QString::number(r->memorySize),
                            writeProgramText(r->program), writeResultText(r->result));
    if (!after) {
        text += tr("Zapsané nastavení není uloženo.");
    } else if (!before) {
        text += tr("Stanice předtím nenesla platné nastavení; zapsáno bylo celé nastavení.");
    } else {
        SettingsDifferences d;
        d.fields = diffConfigs(*before, *after);
        text += d.empty() ? tr("Zápis nastavení nezměnil.") : formatDifferences(d);
    }
    m_changes->setPlainText(text);
}

void HistoryWindow::offer(bool before)
{
    const QByteArray& bytes = before ? m_before : m_after;
    if (bytes.isEmpty())
        return;
    emit loadRequested(bytes,
                       before ? tr("záznam %1 před zápisem").arg(m_shownId) : tr("záznam %1, zapsané").arg(m_shownId));
}

} // namespace torval
