#include "ui/MainFrame.h"

#include "platform/PortLine.h"
#include "platform/SerialPorts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace torval {

namespace {

QLabel* label(const QString& text, const char* objectName)
{
    auto* l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(objectName));
    return l;
}

void setColour(QLabel* l, bool red)
{
    // Pure red and pure blue, as the technicians know them from the station's manual.
    l->setStyleSheet(red ? QStringLiteral("color: rgb(255, 0, 0);") : QStringLiteral("color: rgb(0, 0, 255);"));
}

} // namespace

QString MainFrame::virtualStationPort()
{
    return QStringLiteral("Virtuální stanice");
}

MainFrame::MainFrame(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);

    auto* comm = new QGroupBox(QCoreApplication::translate("MainFrame", "Komunikace PC se zařízením"));
    auto* cg = new QGridLayout(comm);
    m_c.port = new QComboBox;
    m_c.port->setObjectName(QStringLiteral("tabPort"));
    m_c.port->setToolTip(QCoreApplication::translate("MainFrame", "Sériový port PC, ke kterému je připojeno zařízení"));
    m_c.port->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    m_c.port->setMinimumContentsLength(14);
    fillPortList();
    m_linkLabel = label(QCoreApplication::translate("MainFrame", "Neaktivní"), "tabDeAktivNapis");
    QFont bold = m_linkLabel->font();
    bold.setBold(true);
    m_linkLabel->setFont(bold);
    m_c.link = new QPushButton(QCoreApplication::translate("MainFrame", "Aktivovat"));
    m_c.link->setObjectName(QStringLiteral("btDEA"));
    cg->addWidget(label(QCoreApplication::translate("MainFrame", "Sériový port:"), "Label7"), 0, 0);
    cg->addWidget(m_c.port, 0, 1);
    cg->addWidget(label(QCoreApplication::translate("MainFrame", "Spojení"), "Label41"), 1, 0);
    cg->addWidget(m_linkLabel, 1, 1);
    cg->addWidget(m_c.link, 2, 0, 1, 2);

    auto* settings = new QGroupBox(QCoreApplication::translate("MainFrame", "Nastavení"));
    auto* sg = new QGridLayout(settings);
    auto picture = [this](const char* name, QStyle::StandardPixmap pix, const QString& tip) {
        auto* b = new QToolButton;
        b->setObjectName(QString::fromLatin1(name));
        b->setIcon(style()->standardIcon(pix));
        b->setIconSize(QSize(28, 28));
        b->setToolTip(tip);
        b->setAutoRaise(false);
        return b;
    };
    m_c.fileLoad = picture("btFileLoad", QStyle::SP_DialogOpenButton,
                           QCoreApplication::translate("MainFrame", "Načíst nastavení ze souboru"));
    m_c.fileSave = picture("btFileSave", QStyle::SP_DialogSaveButton,
                           QCoreApplication::translate("MainFrame", "Uložit nastavení do souboru"));
    m_c.eepromLoad = picture("btEEPROMLoad", QStyle::SP_ArrowDown,
                             QCoreApplication::translate("MainFrame", "Načíst  nastavení z EEPROM"));
    m_c.eepromSave = picture("btEEPROMSave", QStyle::SP_ArrowUp,
                             QCoreApplication::translate("MainFrame", "Uložit nastavení do EEPROM"));
    m_c.undo = picture("btZpet", QStyle::SP_ArrowBack, QCoreApplication::translate("MainFrame", "Zpět"));
    m_c.undo->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"), m_c.undo->icon()));
    m_c.redo = picture("btZnovu", QStyle::SP_ArrowForward, QCoreApplication::translate("MainFrame", "Znovu"));
    m_c.redo->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"), m_c.redo->icon()));
    for (QToolButton* b : {m_c.undo, m_c.redo}) {
        b->setIconSize(QSize(16, 16)); // small: they sit beside the commands, not among them
        b->setEnabled(false);
    }
    m_c.print = picture("btTisk", QStyle::SP_FileDialogDetailedView,
                        QCoreApplication::translate("MainFrame", "Tisk nastavení"));
    m_c.print->setIcon(QIcon::fromTheme(QStringLiteral("document-print"), m_c.print->icon()));
    m_c.preview = picture("btNahled", QStyle::SP_FileDialogContentsView,
                          QCoreApplication::translate("MainFrame", "Náhled tisku"));
    m_c.preview->setIcon(QIcon::fromTheme(QStringLiteral("document-print-preview"), m_c.preview->icon()));
    m_c.checkWrite = new QCheckBox(QCoreApplication::translate("MainFrame", "Kontrolovat zápis do EEPROM"));
    m_c.checkWrite->setObjectName(QStringLiteral("CheckWrite"));
    m_c.checkWrite->setChecked(true);
    m_c.compare = new QPushButton(QCoreApplication::translate("MainFrame", "Porovnat se stanicí"));
    m_c.compare->setObjectName(QStringLiteral("btPorovnat"));
    m_c.compare->setToolTip(QCoreApplication::translate("MainFrame", "Co by zápis do EEPROM ve stanici změnil"));
    m_c.compare->setEnabled(false);
    sg->addWidget(m_c.fileLoad, 0, 0);
    sg->addWidget(m_c.fileSave, 0, 1);
    sg->addWidget(m_c.eepromLoad, 0, 2);
    sg->addWidget(m_c.eepromSave, 0, 3);
    sg->addWidget(m_c.print, 0, 4);
    sg->addWidget(m_c.preview, 0, 5);
    auto* undoRedo = new QVBoxLayout;
    undoRedo->setSpacing(0);
    undoRedo->addWidget(m_c.undo);
    undoRedo->addWidget(m_c.redo);
    sg->addLayout(undoRedo, 0, 6);
    sg->addWidget(m_c.checkWrite, 1, 0, 1, 7);
    sg->addWidget(m_c.compare, 2, 0, 1, 7);

    auto* info = new QGroupBox(QCoreApplication::translate("MainFrame", "Informace o připojeném zařízení"));
    auto* ig = new QGridLayout(info);
    auto pair = [ig](int r, int c, const char* captionName, const QString& caption, const char* valueName) {
        auto* value = label(QStringLiteral("?"), valueName);
        value->setMinimumWidth(90);
        ig->addWidget(label(caption, captionName), r, c);
        ig->addWidget(value, r, c + 1);
        return value;
    };
    m_infoModem = pair(0, 0, "Label1", QCoreApplication::translate("MainFrame", "Typ modemu:"), "lblInfoModem");
    m_infoPamSize =
        pair(1, 0, "Label2", QCoreApplication::translate("MainFrame", "Velikost paměti:"), "lblInfoPamSize");
    m_infoProdukt = pair(2, 0, "Label3", QCoreApplication::translate("MainFrame", "Produkt:"), "lblInfoProdukt");
    m_infoVerze = pair(0, 2, "Label4", QCoreApplication::translate("MainFrame", "Verze:"), "lblInfoVerze");
    m_infoPamFree = pair(1, 2, "Label5", QCoreApplication::translate("MainFrame", "Volné místo:"), "lblInfoPamFree");
    m_infoPamUsage =
        pair(2, 2, "Label6", QCoreApplication::translate("MainFrame", "Velikost nastavení:"), "lblInfoPamUsage");
    ig->setColumnMinimumWidth(1, 110);
    ig->setHorizontalSpacing(10);

    auto* program = new QGroupBox(QCoreApplication::translate("MainFrame", "Program"));
    auto* pg = new QVBoxLayout(program);
    m_c.about = new QPushButton(QCoreApplication::translate("MainFrame", "&Informace"));
    m_c.about->setObjectName(QStringLiteral("btInformace"));
    m_c.about->setToolTip(QCoreApplication::translate("MainFrame", "Informace o programu"));
    m_c.exit = new QPushButton(QCoreApplication::translate("MainFrame", "U&končit"));
    m_c.exit->setObjectName(QStringLiteral("btKonec"));
    m_c.exit->setToolTip(QCoreApplication::translate("MainFrame", "Ukončit program"));
    m_c.history = new QPushButton(QCoreApplication::translate("MainFrame", "&Historie"));
    m_c.history->setObjectName(QStringLiteral("btHistorie"));
    m_c.history->setToolTip(QCoreApplication::translate("MainFrame", "Historie zápisů do stanic"));
    pg->addWidget(m_c.history);
    pg->addWidget(m_c.about);
    pg->addWidget(m_c.exit);

    row->addWidget(comm);
    row->addWidget(settings);
    row->addWidget(info, 1);
    row->addWidget(program);

    m_c.port->setCurrentIndex(0);
    showLinkState(LinkState::Inactive, DeviceInfo{});
}

void MainFrame::fillPortList()
{
    // The ports the system has, each once. A PC's own serial port is "COM n"
    // as the technicians know it (/dev/ttyS<n-1> here, COMn on Windows); USB
    // adapters and the like keep their path and description, so a technician
    // can tell two adapters apart. The COM ports first, in their order.
    static const QRegularExpression pcPort(QStringLiteral("^(?:/dev/ttyS(\\d+)|(?:\\\\\\.\\\\)?COM(\\d+))$"));
    std::vector<std::pair<QString, QString>> com; // name, text
    std::vector<std::pair<QString, QString>> other;
    for (const SerialPortEntry& p : listSerialPorts()) {
        const auto m = pcPort.match(p.path);
        if (m.hasMatch()) {
            const int n = m.captured(1).isEmpty() ? m.captured(2).toInt() : m.captured(1).toInt() + 1;
            const QString name = QStringLiteral("COM %1").arg(n);
            com.emplace_back(name, name);
        } else {
            other.emplace_back(p.path,
                               p.description.isEmpty() ? p.path : QStringLiteral("%1 (%2)").arg(p.path, p.description));
        }
    }
    const auto byName = [](const auto& a, const auto& b) {
        return a.first.size() != b.first.size() ? a.first.size() < b.first.size() : a.first < b.first;
    };
    std::sort(com.begin(), com.end(), byName);
    std::sort(other.begin(), other.end(), byName);
    for (const auto* list : {&com, &other})
        for (const auto& [name, text] : *list)
            m_c.port->addItem(text, name);
    m_c.port->addItem(virtualStationPort(), virtualStationPort());
}

int MainFrame::findPort(const QString& portName) const
{
    // "COM 1", "com1" and /dev/ttyS0 are one device: typed or remembered in
    // any of these forms, it finds the item the list already has.
    if (portName == virtualStationPort())
        return m_c.port->findData(portName);
    const QString device = PortLine::resolvePortName(portName);
    for (int i = 0; i < m_c.port->count(); ++i) {
        const QString item = m_c.port->itemData(i).toString();
        if (item != virtualStationPort() && PortLine::resolvePortName(item) == device)
            return i;
    }
    return -1;
}

void MainFrame::addPort(const QString& portName, bool select)
{
    int i = findPort(portName);
    if (i < 0) {
        // Before the virtual station, which stays last.
        i = m_c.port->count() - 1;
        m_c.port->insertItem(i, portName, portName);
    }
    if (select)
        m_c.port->setCurrentIndex(i);
}

QString MainFrame::selectedPort() const
{
    return m_c.port->currentData().toString();
}

void MainFrame::showLinkState(LinkState state, const DeviceInfo& info)
{
    switch (state) {
    case LinkState::Inactive:
        m_linkLabel->setText(QCoreApplication::translate("MainFrame", "Neaktivní"));
        setColour(m_linkLabel, true);
        break;
    case LinkState::Active:
        m_linkLabel->setText(QCoreApplication::translate("MainFrame", "Aktivní"));
        setColour(m_linkLabel, false);
        break;
    case LinkState::ActiveWrongDevice:
        m_linkLabel->setText(QCoreApplication::translate("MainFrame", "Chybné zařízení"));
        setColour(m_linkLabel, false);
        break;
    }
    const bool up = linkIsUp(state);
    m_c.link->setText(up ? QCoreApplication::translate("MainFrame", "Deaktivovat")
                         : QCoreApplication::translate("MainFrame", "Aktivovat"));
    m_infoModem->setText(info.modem);
    m_infoProdukt->setText(info.product);
    m_infoVerze->setText(info.version);
    m_infoPamSize->setText(info.memorySize);
}

void MainFrame::showMemoryUsage(int size)
{
    m_infoPamUsage->setText(QStringLiteral("%1 byte").arg(size));
    const std::optional<int> memory = memorySizeFromText(m_infoPamSize->text());
    if (!memory) {
        m_infoPamFree->setText(QStringLiteral("?"));
        setColour(m_infoPamFree, false);
        return;
    }
    const int free = *memory - size;
    m_infoPamFree->setText(QStringLiteral("%1 byte").arg(free));
    setColour(m_infoPamFree, free < 0);
}

} // namespace torval
