#include "ui/MainWindow.h"

#include "link/StationLink.h"
#include "model/ConfigFields.h"
#include "model/SettingsDocument.h"
#include "rules/FieldRules.h"
#include "ui/AboutWindow.h"
#include "ui/BusyWindow.h"
#include "ui/QtPrompts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSerialPortInfo>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace torval {

namespace {

const FieldDef& field(const char* name)
{
    const FieldDef* f = findField(name);
    Q_ASSERT(f);
    return *f;
}

bool is(const FieldDef* f, const char* name)
{
    return f && std::string_view(f->name) == name;
}

QLabel* label(const QString& text, const char* objectName = nullptr)
{
    auto* l = new QLabel(text);
    if (objectName)
        l->setObjectName(QString::fromLatin1(objectName));
    return l;
}

void setColour(QLabel* l, bool red)
{
    // Pure red and pure blue, as the technicians know them from the station's manual.
    l->setStyleSheet(red ? QStringLiteral("color: rgb(255, 0, 0);") : QStringLiteral("color: rgb(0, 0, 255);"));
}

const char* const kPowerSaveControls[] = {"lblPSOn1", "lblPSOn2", "lblPSOn3", "eePSOnH", "eePSOnM", "lblPSOff1",
                                          "lblPSOff2", "lblPSOff3", "eePSOffH", "eePSOffM", "opSuperPS", "opPSOutOff"};

const QStringList kServiceCentres = {QStringLiteral("+420602909909"), QStringLiteral("+420603052000"),
                                     QStringLiteral("+420608005681")};

} // namespace

QString MainWindow::virtualStationPort()
{
    return QStringLiteral("Virtuální stanice");
}

MainWindow::MainWindow(SettingsDocument& document, EepromImage& image, QWidget* parent)
    : QWidget(parent)
    , m_doc(document)
    , m_image(image)
    , m_ownPrompts(std::make_unique<QtPrompts>(this))
    , m_prompts(m_ownPrompts.get())
{
    setObjectName(QStringLiteral("Hlavni"));
    setWindowTitle(QStringLiteral("Inicializační program pro zařízení TORVAL"));
    m_busy = new BusyWindow(this);
    m_about = new AboutWindow(this);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("TabList"));
    const QStringList& captions = tabCaptions();
    auto scrolled = [](QWidget* page) {
        // A safety net for small screens; at the default size nothing scrolls.
        auto* area = new QScrollArea;
        area->setWidget(page);
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        return area;
    };
    m_tabs->addTab(scrolled(buildGeneralTab()), captions[0]);
    m_tabs->addTab(scrolled(buildSmsTab()), captions[1]);
    m_tabs->addTab(scrolled(buildGridTab(inputGrid(), RowDialog::Input)), captions[2]);
    m_tabs->addTab(scrolled(buildGridTab(outputGrid(), RowDialog::Output)), captions[3]);
    m_tabs->addTab(scrolled(buildGridTab(analogGrid(0), RowDialog::Analog)), captions[4]);
    m_tabs->addTab(scrolled(buildGridTab(analogGrid(4), RowDialog::Analog)), captions[5]);
    m_tabs->addTab(scrolled(buildPhoneTab()), captions[6]);
    m_tabs->addTab(scrolled(buildCounterTab()), captions[7]);

    auto* box = new QVBoxLayout(this);
    box->addWidget(buildFrame());
    box->addWidget(m_tabs, 1);

    connect(&m_doc, &SettingsDocument::fieldChanged, this, &MainWindow::onFieldChanged);
    connect(&m_doc, &SettingsDocument::fieldChanged, this, &MainWindow::updateModified);
    connect(&m_doc, &SettingsDocument::analogScaleChanged, this, &MainWindow::updateModified);
    connect(&m_doc, &SettingsDocument::settingsSizeChanged, this, [this](int) { updateMemoryUsage(); });
    connect(&m_doc, &SettingsDocument::editorSettingsChanged, this, &MainWindow::onEditorSettingsChanged);

    // Start-up: COM 1, the link inactive, power-save enabling, the size of the
    // default settings, and the report texts enabled to match their options.
    applyInitialAvailability();
    m_port->setCurrentIndex(0);
    m_btDEA->setText(QStringLiteral("Aktivovat"));
    showLinkState(LinkState::Inactive, DeviceInfo{});
    checkEnabled();
    updateMemoryUsage();
    setReportTextsEnabled("opSwitchReport");
    setReportTextsEnabled("opPowerReport");
    // The defaults count as stored: there is nothing to lose yet.
    settingsStored(QString());
    setAcceptDrops(true);
    resize(1240, 760);
}

MainWindow::~MainWindow()
{
    if (m_link)
        m_link->setStateListener({});
}

BusyIndicator& MainWindow::busy()
{
    return *m_busy;
}

void MainWindow::setLink(StationLink* link)
{
    if (m_link)
        m_link->setStateListener({});
    m_link = link;
    if (!m_link)
        return;
    // The window's loads (and its compare) read only the part of the memory
    // the settings use: a 64 KiB station holds 1-2 KiB of them, and reading it
    // all takes two minutes at 19,200 baud. Full copies are torval-cli's.
    m_link->setReadUsedOnly(true);
    m_link->setStateListener([this](LinkState s, const DeviceInfo& info) { showLinkState(s, info); });
}

// ---------------------------------------------------------------- frame

QWidget* MainWindow::buildFrame()
{
    auto* frame = new QWidget;
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 0, 0, 0);

    auto* comm = new QGroupBox(QStringLiteral("Komunikace PC se zařízením"));
    auto* cg = new QGridLayout(comm);
    m_port = new QComboBox;
    m_port->setObjectName(QStringLiteral("tabPort"));
    m_port->setToolTip(QStringLiteral("Sériový port PC, ke kterému je připojeno zařízení"));
    m_port->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    m_port->setMinimumContentsLength(14);
    fillPortList();
    m_linkLabel = label(QStringLiteral("Neaktivní"), "tabDeAktivNapis");
    QFont bold = m_linkLabel->font();
    bold.setBold(true);
    m_linkLabel->setFont(bold);
    m_btDEA = new QPushButton(QStringLiteral("Aktivovat"));
    m_btDEA->setObjectName(QStringLiteral("btDEA"));
    cg->addWidget(label(QStringLiteral("Sériový port:"), "Label7"), 0, 0);
    cg->addWidget(m_port, 0, 1);
    cg->addWidget(label(QStringLiteral("Spojení"), "Label41"), 1, 0);
    cg->addWidget(m_linkLabel, 1, 1);
    cg->addWidget(m_btDEA, 2, 0, 1, 2);
    connect(m_btDEA, &QPushButton::clicked, this, &MainWindow::onActivateClicked);

    auto* settings = new QGroupBox(QStringLiteral("Nastavení"));
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
    m_btFileLoad = picture("btFileLoad", QStyle::SP_DialogOpenButton, QStringLiteral("Načíst nastavení ze souboru"));
    m_btFileSave = picture("btFileSave", QStyle::SP_DialogSaveButton, QStringLiteral("Uložit nastavení do souboru"));
    m_btEEPROMLoad = picture("btEEPROMLoad", QStyle::SP_ArrowDown, QStringLiteral("Načíst  nastavení z EEPROM"));
    m_btEEPROMSave = picture("btEEPROMSave", QStyle::SP_ArrowUp, QStringLiteral("Uložit nastavení do EEPROM"));
    m_btTisk = picture("btTisk", QStyle::SP_FileDialogDetailedView, QStringLiteral("Tisk nastavení"));
    m_btTisk->setIcon(QIcon::fromTheme(QStringLiteral("document-print"), m_btTisk->icon()));
    m_btNahled = picture("btNahled", QStyle::SP_FileDialogContentsView, QStringLiteral("Náhled tisku"));
    m_btNahled->setIcon(QIcon::fromTheme(QStringLiteral("document-print-preview"), m_btNahled->icon()));
    m_checkWrite = new QCheckBox(QStringLiteral("Kontrolovat zápis do EEPROM"));
    m_checkWrite->setObjectName(QStringLiteral("CheckWrite"));
    m_checkWrite->setChecked(true);
    m_btCompare = new QPushButton(QStringLiteral("Porovnat se stanicí"));
    m_btCompare->setObjectName(QStringLiteral("btPorovnat"));
    m_btCompare->setToolTip(QStringLiteral("Co by zápis do EEPROM ve stanici změnil"));
    m_btCompare->setEnabled(false);
    sg->addWidget(m_btFileLoad, 0, 0);
    sg->addWidget(m_btFileSave, 0, 1);
    sg->addWidget(m_btEEPROMLoad, 0, 2);
    sg->addWidget(m_btEEPROMSave, 0, 3);
    sg->addWidget(m_btTisk, 0, 4);
    sg->addWidget(m_btNahled, 0, 5);
    sg->addWidget(m_checkWrite, 1, 0, 1, 6);
    sg->addWidget(m_btCompare, 2, 0, 1, 6);

    auto* info = new QGroupBox(QStringLiteral("Informace o připojeném zařízení"));
    auto* ig = new QGridLayout(info);
    auto pair = [ig](int r, int c, const char* captionName, const QString& caption, const char* valueName) {
        auto* value = label(QStringLiteral("?"), valueName);
        value->setMinimumWidth(90);
        ig->addWidget(label(caption, captionName), r, c);
        ig->addWidget(value, r, c + 1);
        return value;
    };
    m_infoModem = pair(0, 0, "Label1", QStringLiteral("Typ modemu:"), "lblInfoModem");
    m_infoPamSize = pair(1, 0, "Label2", QStringLiteral("Velikost paměti:"), "lblInfoPamSize");
    m_infoProdukt = pair(2, 0, "Label3", QStringLiteral("Produkt:"), "lblInfoProdukt");
    m_infoVerze = pair(0, 2, "Label4", QStringLiteral("Verze:"), "lblInfoVerze");
    m_infoPamFree = pair(1, 2, "Label5", QStringLiteral("Volné místo:"), "lblInfoPamFree");
    m_infoPamUsage = pair(2, 2, "Label6", QStringLiteral("Velikost nastavení:"), "lblInfoPamUsage");
    ig->setColumnMinimumWidth(1, 110);
    ig->setHorizontalSpacing(10);

    auto* program = new QGroupBox(QStringLiteral("Program"));
    auto* pg = new QVBoxLayout(program);
    auto* btInformace = new QPushButton(QStringLiteral("&Informace"));
    btInformace->setObjectName(QStringLiteral("btInformace"));
    btInformace->setToolTip(QStringLiteral("Informace o programu"));
    m_btKonec = new QPushButton(QStringLiteral("U&končit"));
    m_btKonec->setObjectName(QStringLiteral("btKonec"));
    m_btKonec->setToolTip(QStringLiteral("Ukončit program"));
    pg->addWidget(btInformace);
    pg->addWidget(m_btKonec);
    connect(btInformace, &QPushButton::clicked, m_about, &QDialog::exec);
    connect(m_btKonec, &QPushButton::clicked, this, &MainWindow::onExitClicked);
    wireCommands();

    row->addWidget(comm);
    row->addWidget(settings);
    row->addWidget(info, 1);
    row->addWidget(program);
    return frame;
}

void MainWindow::fillPortList()
{
    for (int n = 1; n <= 4; ++n) {
        const QString com = QStringLiteral("COM %1").arg(n);
        m_port->addItem(com, com);
    }
    // USB adapters and other ports the system knows, with their description
    // so a technician can tell two adapters apart.
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts()) {
        const QString desc = p.description().trimmed();
        m_port->addItem(desc.isEmpty() ? p.systemLocation() : QStringLiteral("%1 (%2)").arg(p.systemLocation(), desc),
                        p.systemLocation());
    }
    m_port->addItem(virtualStationPort(), virtualStationPort());
}

void MainWindow::addPort(const QString& portName, bool select)
{
    int i = m_port->findData(portName);
    if (i < 0) {
        // Before the virtual station, which stays last.
        i = m_port->count() - 1;
        m_port->insertItem(i, portName, portName);
    }
    if (select)
        m_port->setCurrentIndex(i);
}

void MainWindow::selectPort(const QString& portName)
{
    addPort(portName, true);
}

QString MainWindow::selectedPort() const
{
    return m_port->currentData().toString();
}

void MainWindow::showLinkState(LinkState state, const DeviceInfo& info)
{
    m_linkState = state;
    switch (state) {
    case LinkState::Inactive:
        m_linkLabel->setText(QStringLiteral("Neaktivní"));
        setColour(m_linkLabel, true);
        break;
    case LinkState::Active:
        m_linkLabel->setText(QStringLiteral("Aktivní"));
        setColour(m_linkLabel, false);
        break;
    case LinkState::ActiveWrongDevice:
        m_linkLabel->setText(QStringLiteral("Chybné zařízení"));
        setColour(m_linkLabel, false);
        break;
    }
    const bool up = linkIsUp(state);
    applyFrameEnabling();
    m_btDEA->setText(up ? QStringLiteral("Deaktivovat") : QStringLiteral("Aktivovat"));
    m_infoModem->setText(info.modem);
    m_infoProdukt->setText(info.product);
    m_infoVerze->setText(info.version);
    m_infoPamSize->setText(info.memorySize);
    updateMemoryUsage();
}

void MainWindow::applyFrameEnabling()
{
    const bool idle = !m_operation.running();
    const bool up = linkIsUp(m_linkState);
    // The transfer buttons only for a station that may be programmed; a wrong
    // device keeps them disabled, as activation starts from Inactive.
    const bool transfers = m_linkState == LinkState::Active;
    // Every control that starts a command or ends the program, with the rule
    // it follows when no command runs. While one runs, none of them can be
    // used; the busy window's Storno and the settings fields stay live.
    const std::pair<QWidget*, bool> controls[] = {
        {m_port, !up},
        {m_btDEA, true},
        {m_btFileLoad, true},
        {m_btFileSave, true},
        {m_btEEPROMLoad, transfers},
        {m_btEEPROMSave, transfers},
        {m_btCompare, transfers},
        {m_btTisk, true},
        {m_btNahled, true},
        {m_btKonec, true},
    };
    for (const auto& [widget, allowed] : controls)
        if (widget)
            widget->setEnabled(idle && allowed);
}

void MainWindow::runOperation(const std::function<void()>& command)
{
    const auto guard = m_operation.tryBegin();
    if (!guard)
        return; // a click that slipped in while another command runs
    command();
}

void MainWindow::updateMemoryUsage()
{
    const int size = m_doc.settingsSize();
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

void MainWindow::checkEnabled()
{
    const bool on = m_doc.config().opEnablePS1;
    for (const char* name : kPowerSaveControls)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(name)))
            w->setEnabled(on);
}

void MainWindow::onActivateClicked()
{
    if (!m_link)
        return;
    runOperation([this] {
        if (m_link->isUp())
            (void)m_link->deactivateLink();
        else
            (void)m_link->activateLink(selectedPort());
    });
}

void MainWindow::onExitClicked()
{
    // One box at a time: the field the click left is judged first, and while
    // it is rejected (or its message is still open) there is no exit question.
    if (m_checkingField || !runPendingLeaves())
        return;
    bool leave = false;
    // The questions may save the settings or deactivate the station, which
    // are commands too: unsaved edits first, then the link.
    runOperation([this, &leave] {
        leave = confirmUnsavedEdits() &&
                (!(m_link && m_link->isUp()) || m_link->confirmExit(ExitKind::ExitButton));
    });
    if (!leave)
        return; // Storno: keep running (or a command runs)
    m_exiting = true;
    emit exitRequested();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close box cannot end the program in the middle of a command: the
    // station would be left half written. Storno is the way out.
    bool keep = m_operation.running();
    if (!keep && !m_exiting)
        runOperation([this, &keep] { keep = !confirmUnsavedEdits(); });
    if (keep) {
        event->ignore();
        return;
    }
    if (!m_exiting && m_link && m_link->isUp())
        runOperation([this] { (void)m_link->confirmExit(ExitKind::CloseWindow); });
    m_busy->hide();
    m_about->hide();
    for (QDialog* d : findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly))
        d->hide();
    event->accept();
}

void MainWindow::showTab(int tab)
{
    if (tab >= 0 && tab < m_tabs->count())
        m_tabs->setCurrentIndex(tab);
}

void MainWindow::focusField(const FieldDef& f, int index)
{
    if (QWidget* w = fieldWidget(f, index)) {
        showTab(f.tabFor(index));
        w->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* MainWindow::fieldWidget(const FieldDef& f, int index) const
{
    const auto it = m_widgets.find({&f, index});
    return it == m_widgets.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------- tabs

QLineEdit* MainWindow::textField(const char* name)
{
    const FieldDef& f = field(name);
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(name));
    if (f.maxLength > 0)
        e->setMaxLength(f.maxLength);
    bindText(f, 0, e);
    return e;
}

QCheckBox* MainWindow::checkField(const char* name, const QString& caption)
{
    auto* b = new QCheckBox(caption);
    b->setObjectName(QString::fromLatin1(name));
    bindCheck(field(name), 0, b);
    return b;
}

QWidget* MainWindow::buildGeneralTab()
{
    auto* page = new QWidget;
    auto* col = new QVBoxLayout(page);

    auto* ps = new QGroupBox(QStringLiteral("Šetřící režim"));
    auto* pg = new QGridLayout(ps);
    m_ps0 = new QRadioButton(QStringLiteral("Bez šetřícího režimu"));
    m_ps0->setObjectName(QStringLiteral("opEnablePS0"));
    m_ps1 = new QRadioButton(QStringLiteral("Povolit šetřící režim"));
    m_ps1->setObjectName(QStringLiteral("opEnablePS1"));
    m_ps0->setChecked(!m_doc.config().opEnablePS1);
    m_ps1->setChecked(m_doc.config().opEnablePS1);
    m_widgets[{&field("opEnablePS1"), 0}] = m_ps1;
    connect(m_ps1, &QRadioButton::toggled, this, [this](bool on) { m_doc.setFlag(field("opEnablePS1"), 0, on); });
    pg->addWidget(m_ps0, 0, 0, 1, 5);
    pg->addWidget(m_ps1, 1, 0, 1, 5);
    auto timeRow = [&](int r, const char* l1, const QString& caption, const char* h, const char* l2, const char* m,
                       const char* l3) {
        pg->addWidget(label(caption, l1), r, 0);
        auto* he = textField(h);
        auto* me = textField(m);
        he->setMaximumWidth(70);
        me->setMaximumWidth(70);
        pg->addWidget(he, r, 1);
        pg->addWidget(label(QStringLiteral("h"), l2), r, 2);
        pg->addWidget(me, r, 3);
        pg->addWidget(label(QStringLiteral("m"), l3), r, 4);
    };
    timeRow(2, "lblPSOn1", QStringLiteral("Doba zapnutého modemu ................................"), "eePSOnH",
            "lblPSOn2", "eePSOnM", "lblPSOn3");
    timeRow(3, "lblPSOff1", QStringLiteral("Doba vypnutého modemu ................................"), "eePSOffH",
            "lblPSOff2", "eePSOffM", "lblPSOff3");
    pg->addWidget(checkField("opPSOutOff", QStringLiteral("Při vypnutém modemu vypnout výstupy")), 4, 0, 1, 5);
    pg->addWidget(checkField("opSuperPS", QStringLiteral("Super šetřící režim")), 5, 0, 1, 5);
    pg->setColumnStretch(5, 1);

    auto* dev = new QGroupBox(QStringLiteral("Zařízení"));
    auto* dg = new QGridLayout(dev);
    auto* name = textField("tabJmenoStanice");
    name->setToolTip(QStringLiteral("Název stanice"));
    auto* pin = textField("tabPIN");
    pin->setToolTip(QStringLiteral("PIN SIM karty, která je uložena ve stanici"));
    pin->setMaximumWidth(120);
    auto* centre = new QComboBox;
    centre->setObjectName(QStringLiteral("tabTCcentra"));
    centre->setEditable(true);
    centre->setInsertPolicy(QComboBox::NoInsert);
    centre->addItems(kServiceCentres);
    centre->setEditText(m_doc.config().tabTCcentra);
    centre->setMinimumContentsLength(20);
    const FieldDef& centreField = field("tabTCcentra");
    m_widgets[{&centreField, 0}] = centre;
    // The combo box has the focus, not its inner line edit (which only hears of
    // it through the combo box), so the leave check is bound to the combo box.
    registerBinding(centre, Binding{&centreField, 0, RowDialog::None});
    connect(centre, &QComboBox::currentTextChanged, this,
            [this, &centreField](const QString& t) { m_doc.setText(centreField, 0, t); });
    dg->addWidget(label(QStringLiteral("Název stanice:")), 0, 0);
    dg->addWidget(name, 0, 1);
    dg->addWidget(label(QStringLiteral("PIN:")), 1, 0);
    dg->addWidget(pin, 1, 1, Qt::AlignLeft);
    dg->addWidget(label(QStringLiteral("Telefonní číslo servisního centra:")), 2, 0);
    dg->addWidget(centre, 2, 1, Qt::AlignLeft);

    col->addWidget(ps);
    col->addWidget(dev);
    col->addStretch(1);
    return page;
}

QWidget* MainWindow::buildSmsTab()
{
    auto* page = new QWidget;
    auto* col = new QVBoxLayout(page);
    col->addWidget(checkField("opPINAuth", QStringLiteral("Autorizace pomocí zadání PINu v příkazové zprávě")));
    col->addWidget(checkField("tabOdpovidatT0", QStringLiteral("Hlášení o stavu posílat i na telefonní číslo T1")));
    col->addWidget(checkField("tabPrepnoutNepovolPristup",
                              QStringLiteral("Hlášení o nepovoleném přístupu posílat i na tel. číslo T1")));
    col->addWidget(checkField("opNotAuthorized", QStringLiteral("Posílat hlášení, že není povolen přístup")));
    auto textRow = [this](QGridLayout* g, int r, const char* lblName, const QString& caption, const char* name) {
        g->addWidget(label(caption, lblName), r, 0);
        g->addWidget(textField(name), r, 1);
    };
    auto* na = new QGridLayout;
    textRow(na, 0, "txtNotAuthorized", QStringLiteral("Text hlášení o nepovolení přístupu:"), "rtNotAuthorized");
    col->addLayout(na);

    auto* validity = new QHBoxLayout;
    auto* days = textField("tabDobaPlatnostiSMS");
    days->setToolTip(QStringLiteral("Doba, po kterou je SMS zpráva platná"));
    days->setMaximumWidth(40);
    validity->addWidget(label(QStringLiteral("Doba platnosti SMS zprávy je")));
    validity->addWidget(days);
    validity->addWidget(label(QStringLiteral("dnů  (1-30).")));
    validity->addStretch(1);
    col->addLayout(validity);

    auto* batt = new QGroupBox(QStringLiteral("Baterie"));
    auto* bg = new QGridLayout(batt);
    bg->addWidget(checkField("opBatt", QStringLiteral("při poklesu napětí pod CL1 vypnout zařízení")), 0, 0, 1, 2);
    bg->addWidget(label(QStringLiteral("Text hlášení při poklesu napětí\n"
                                       " = text při přechodu CL1 dolu u analog.vstup BAT:")),
                  1, 0);
    bg->addWidget(textField("rtBattLow"), 1, 1);
    col->addWidget(batt);

    auto* power = new QGroupBox(QStringLiteral("Zapnutí/Vypnutí síťového napájení"));
    auto* wg = new QGridLayout(power);
    wg->addWidget(checkField("opPowerReport", QStringLiteral("posílat hlášení o zapnutí/vypnutí")), 0, 0, 1, 2);
    textRow(wg, 1, "txtPowerUp", QStringLiteral("Text hlášení při zapnutí:"), "rtPowerUp");
    textRow(wg, 2, "txtPowerDown", QStringLiteral("Text hlášení při vypnutí:"), "rtPowerDown");
    col->addWidget(power);

    auto* sw = new QGroupBox(QStringLiteral("Zapnutí/Vypnutí zařízení"));
    auto* sg = new QGridLayout(sw);
    sg->addWidget(checkField("opSwitchReport", QStringLiteral("posílat hlášení o zapnutí/vypnutí")), 0, 0, 1, 2);
    textRow(sg, 1, "txtSwitchOn", QStringLiteral("Text hlášení při zapnutí:"), "rtSwitchOn");
    textRow(sg, 2, "txtSwitchOff", QStringLiteral("Text hlášení při vypnutí:"), "rtSwitchOff");
    col->addWidget(sw);
    // The caption columns of the frames line up so the texts start at one edge.
    for (QGridLayout* g : {na, bg, wg, sg})
        g->setColumnMinimumWidth(0, 330);
    col->addStretch(1);
    return page;
}

QWidget* MainWindow::buildGridTab(const GridTable& table, RowDialog dialog, QWidget* below)
{
    auto* page = new QWidget;
    auto* col = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    GridCallbacks cb;
    cb.field = [this, dialog](const FieldDef& f, int index, QWidget* w) {
        if (auto* e = qobject_cast<QLineEdit*>(w))
            bindText(f, index, e, dialog);
        else if (auto* b = qobject_cast<QCheckBox*>(w))
            bindCheck(f, index, b);
    };
    cb.button = [this, dialog](int index, QWidget* w) {
        connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
                [this, dialog, index] { openRowDialog(dialog, index); });
    };
    buildGrid(grid, table, cb);
    col->addLayout(grid);
    if (below)
        col->addWidget(below);
    col->addStretch(1);
    return page;
}

QWidget* MainWindow::buildPhoneTab()
{
    auto* uto = new QWidget;
    auto* row = new QHBoxLayout(uto);
    row->setContentsMargins(0, 8, 0, 0);
    m_utoEnable = new QCheckBox(QStringLiteral("Automaticky vkládat před tel. číslo UTO:"));
    m_utoEnable->setObjectName(QStringLiteral("tabUTOEnable"));
    m_utoEnable->setChecked(m_doc.editor().tabUTOEnable);
    m_uto = new QLineEdit(m_doc.editor().tabUTO);
    m_uto->setObjectName(QStringLiteral("tabUTO"));
    m_uto->setMaxLength(4);
    m_uto->setMaximumWidth(70);
    m_uto->installEventFilter(this);
    row->addWidget(m_utoEnable);
    row->addWidget(m_uto);
    row->addStretch(1);
    connect(m_utoEnable, &QCheckBox::toggled, this, [this](bool on) {
        EditorSettings e = m_doc.editor();
        e.tabUTOEnable = on;
        m_doc.setEditorSettings(e);
    });
    connect(m_uto, &QLineEdit::textChanged, this, [this](const QString& t) {
        EditorSettings e = m_doc.editor();
        e.tabUTO = t;
        m_doc.setEditorSettings(e);
    });
    return buildGridTab(phoneGrid(), RowDialog::Phone, uto);
}

QWidget* MainWindow::buildCounterTab()
{
    auto* suppress = checkField("opSuppZero", QStringLiteral("při zobrazení stavu čítačů potlačení předních nul"));
    return buildGridTab(counterGrid(), RowDialog::None, suppress);
}

void MainWindow::applyInitialAvailability()
{
    // The station's firmware always reports unauthorised access and only to
    // the sender; these options are shown for completeness and stay fixed.
    findChild<QWidget*>(QStringLiteral("opNotAuthorized"))->setEnabled(false);
    findChild<QWidget*>(QStringLiteral("tabPrepnoutNepovolPristup"))->setEnabled(false);
    findChild<QWidget*>(QStringLiteral("rtNotAuthorized"))->setEnabled(false);
    findChild<QWidget*>(QStringLiteral("txtNotAuthorized"))->setEnabled(false);

    // Only counter C1 is wired in the station.
    findChild<QWidget*>(QStringLiteral("tabCITJmeno_1"))->setEnabled(false);
    fieldWidget(field("tabCITNazev"), 1)->setEnabled(false);
    fieldWidget(field("tabCITZpr"), 1)->setEnabled(false);

    // Only output O1 can give a timed impulse.
    for (int i = 1; i < kOutputCount; ++i)
        fieldWidget(field("tabOUTimpulsLEN"), i)->setEnabled(false);

    // Outputs O5..O8 exist in the image but not on this hardware: hidden, yet
    // still loaded and saved.
    for (int i = 4; i < kOutputCount; ++i) {
        findChild<QWidget*>(QStringLiteral("tabOUTjmeno_%1").arg(i))->hide();
        findChild<QWidget*>(QStringLiteral("tabOUTbt_%1").arg(i))->hide();
        for (const char* n : {"tabOUTNazev", "tabOUTVyp", "tabOUTZap", "tabOUTimpuls", "tabOUTimpulsLEN", "tabOUTNeg",
                              "tabOUTZpr"}) {
            QWidget* w = fieldWidget(field(n), i);
            w->hide();
            if (qobject_cast<QLineEdit*>(w))
                w->setStyleSheet(QStringLiteral("background-color: palette(button);"));
        }
    }

    // The battery input's CL1-down text is the battery-low report.
    fieldWidget(field("tabAINCL1Dn"), kBatteryInput)
        ->setToolTip(QStringLiteral("Text SMS zprávy při přechodu přes CL1 dolu - TATO HLÁŠKA JE SHODNÁ S HLÁŠKOU O "
                                    "POKLESU NAPĚTÍ BATERIÍ"));
}

// ---------------------------------------------------------------- binding

void MainWindow::registerBinding(QWidget* w, const Binding& b)
{
    m_bindings.insert(w, b);
    w->installEventFilter(this);
}

void MainWindow::bindText(const FieldDef& f, int index, QLineEdit* edit, RowDialog dialog)
{
    edit->setText(textOf(m_doc.config(), f, index));
    m_widgets[{&f, index}] = edit;
    registerBinding(edit, Binding{&f, index, dialog});
    connect(edit, &QLineEdit::textChanged, this, [this, &f, index](const QString& t) { m_doc.setText(f, index, t); });
}

void MainWindow::bindCheck(const FieldDef& f, int index, QCheckBox* box)
{
    box->setChecked(flagOf(m_doc.config(), f, index));
    m_widgets[{&f, index}] = box;
    connect(box, &QCheckBox::toggled, this, [this, &f, index](bool on) { m_doc.setFlag(f, index, on); });
}

void MainWindow::syncWidget(const FieldDef& f, int index)
{
    QWidget* w = fieldWidget(f, index);
    if (!w)
        return;
    if (f.kind == FieldKind::Text) {
        const QString& t = textOf(m_doc.config(), f, index);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->text() != t)
                e->setText(t);
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            if (c->currentText() != t)
                c->setEditText(t);
        }
    } else if (f.kind == FieldKind::Flag) {
        const bool on = flagOf(m_doc.config(), f, index);
        if (auto* b = qobject_cast<QCheckBox*>(w)) {
            if (b->isChecked() != on)
                b->setChecked(on);
        } else if (w == m_ps1) {
            (on ? m_ps1 : m_ps0)->setChecked(true);
        }
    }
}

void MainWindow::onFieldChanged(const FieldDef* f, int index)
{
    syncWidget(*f, index);
    // The click behaviours run whoever changed the value: the user, a load, a dialog.
    if (is(f, "opEnablePS1"))
        checkEnabled();
    else if (is(f, "opNotAuthorized") || is(f, "opPowerReport") || is(f, "opSwitchReport"))
        setReportTextsEnabled(f->name);
    else if (is(f, "tabTCPrijem") || is(f, "tabTCUdalost"))
        checkPhoneNumberRights(index);
}

void MainWindow::onEditorSettingsChanged()
{
    const EditorSettings& e = m_doc.editor();
    if (m_utoEnable->isChecked() != e.tabUTOEnable)
        m_utoEnable->setChecked(e.tabUTOEnable);
    if (m_uto->text() != e.tabUTO)
        m_uto->setText(e.tabUTO);
}

void MainWindow::setReportTextsEnabled(const char* option)
{
    const std::string_view o(option);
    const bool on = flagOf(m_doc.config(), field(option), 0);
    QStringList names;
    if (o == "opNotAuthorized")
        names = {QStringLiteral("rtNotAuthorized"), QStringLiteral("txtNotAuthorized")};
    else if (o == "opPowerReport")
        names = {QStringLiteral("txtPowerUp"), QStringLiteral("rtPowerUp"), QStringLiteral("txtPowerDown"),
                 QStringLiteral("rtPowerDown")};
    else if (o == "opSwitchReport")
        names = {QStringLiteral("txtSwitchOn"), QStringLiteral("rtSwitchOn"), QStringLiteral("txtSwitchOff"),
                 QStringLiteral("rtSwitchOff")};
    for (const QString& n : names)
        if (auto* w = findChild<QWidget*>(n))
            w->setEnabled(on);
}

// ---------------------------------------------------------------- events

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (auto* e = qobject_cast<QLineEdit*>(watched)) {
            // Select the whole text with the caret at its start; after the
            // mouse press that gave the focus has placed its caret.
            QTimer::singleShot(0, e, [e] { e->setSelection(int(e->text().size()), -int(e->text().size())); });
        } else if (auto* c = qobject_cast<QComboBox*>(watched); c && c->lineEdit()) {
            QLineEdit* e = c->lineEdit();
            QTimer::singleShot(0, e, [e] { e->setSelection(int(e->text().size()), -int(e->text().size())); });
        }
        break;
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another window or opening a menu does not leave the field.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        // The rules run after the focus has moved, as the station's technicians
        // know it: the field they went to then loses the focus to a rejected one.
        m_pendingLeaves.emplace_back(watched);
        QTimer::singleShot(0, this, [this] { (void)runPendingLeaves(); });
        break;
    }
    case QEvent::MouseButtonDblClick: {
        const auto it = m_bindings.constFind(watched);
        if (it != m_bindings.constEnd() && it->dialog != RowDialog::None) {
            openRowDialog(it->dialog, it->index);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::runPendingLeaves()
{
    bool passed = true;
    while (!m_pendingLeaves.empty()) {
        const QPointer<QObject> w = m_pendingLeaves.front();
        m_pendingLeaves.erase(m_pendingLeaves.begin());
        if (w)
            passed = fieldLeft(w) && passed;
    }
    return passed;
}

bool MainWindow::fieldLeft(QObject* widget)
{
    // The check may show a message box; what the user clicks meanwhile (the
    // exit button) must know that a field is still being judged.
    const QScopedValueRollback<bool> checking(m_checkingField, true);
    FieldCheck check;
    const Binding* b = nullptr;
    if (widget == m_uto) {
        check = checkUtoLeave(m_uto->text());
    } else {
        const auto it = m_bindings.constFind(widget);
        if (it == m_bindings.constEnd())
            return true;
        b = &*it;
        bool latch = m_doc.suppressFieldChecks();
        check = checkFieldLeave(*b->field, b->index, m_doc.config(), m_doc.editor(), latch);
        m_doc.setSuppressFieldChecks(latch);
    }
    if (!check.passed) {
        rejectField(check.message, check.tab, qobject_cast<QWidget*>(widget));
    } else {
        for (const FieldEdit& e : check.rewrites)
            m_doc.setText(*e.field, e.index, e.text);
        if (check.phoneRights && b) {
            const PhoneRightsCheck& r = *check.phoneRights;
            const FieldDef& prijem = field("tabTCPrijem");
            const FieldDef& udalost = field("tabTCUdalost");
            if (r.clearPrijem && flagOf(m_doc.config(), prijem, b->index)) {
                m_prompts->message(kPhoneRightsPrijemWarning, Icon::Warning);
                m_doc.setFlag(prijem, b->index, false);
            }
            if (r.clearUdalost && flagOf(m_doc.config(), udalost, b->index)) {
                m_prompts->message(kPhoneRightsUdalostWarning, Icon::Warning);
                m_doc.setFlag(udalost, b->index, false);
            }
        }
    }
    // The battery-low text, even a rejected one, makes BAT report its fall below CL1.
    if (check.tickBatteryCl1Down)
        m_doc.setFlag(field("tabAINCL1DnEvent"), kBatteryInput, true);
    return check.passed;
}

void MainWindow::rejectField(const QString& message, int tab, QWidget* widget)
{
    m_prompts->message(message, Icon::Error);
    showTab(tab);
    if (widget)
        widget->setFocus(Qt::OtherFocusReason);
}

void MainWindow::checkPhoneNumberRights(int row)
{
    const FieldDef& prijem = field("tabTCPrijem");
    const FieldDef& udalost = field("tabTCUdalost");
    const DeviceConfig& c = m_doc.config();
    const PhoneRightsCheck r = torval::checkPhoneNumberRights(c.tabTC[std::size_t(row)], c.tabTCPrijem[std::size_t(row)],
                                                      c.tabTCUdalost[std::size_t(row)], m_doc.suppressFieldChecks());
    // Unticking a box runs this check again for the other box, so each box is
    // looked at afresh and no warning comes twice.
    if (r.clearPrijem && flagOf(m_doc.config(), prijem, row)) {
        m_prompts->message(kPhoneRightsPrijemWarning, Icon::Warning);
        m_doc.setFlag(prijem, row, false);
    }
    if (r.clearUdalost && flagOf(m_doc.config(), udalost, row)) {
        m_prompts->message(kPhoneRightsUdalostWarning, Icon::Warning);
        m_doc.setFlag(udalost, row, false);
    }
}

void MainWindow::openRowDialog(RowDialog dialog, int row)
{
    switch (dialog) {
    case RowDialog::Phone:
        EditPhoneNumber(row);
        break;
    case RowDialog::Input:
        EditDigitalInput(row);
        break;
    case RowDialog::Output:
        EditDigitalOutput(row);
        break;
    case RowDialog::Analog:
        EditAnalogInput(row);
        break;
    case RowDialog::None:
        break;
    }
}

} // namespace torval
