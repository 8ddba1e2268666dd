#include "ui/SettingsTabs.h"

#include "model/ConfigFields.h"
#include "model/SettingsDocument.h"
#include "ui/FieldBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace torval {

namespace {

QLabel* label(const QString& text, const char* objectName = nullptr)
{
    auto* l = new QLabel(text);
    if (objectName)
        l->setObjectName(QString::fromLatin1(objectName));
    return l;
}

// What "Povolit šetřící režim" enables: the modem's on and off times with
// their captions, and the two power-save options.
const char* const kPowerSaveLabels[] = {"lblPSOn1", "lblPSOn2", "lblPSOn3", "lblPSOff1", "lblPSOff2", "lblPSOff3"};
const FieldId kPowerSaveFields[] = {FieldId::eePSOnH, FieldId::eePSOnM,   FieldId::eePSOffH,
                                    FieldId::eePSOffM, FieldId::opSuperPS, FieldId::opPSOutOff};

// The texts (and their captions) a report option enables.
struct ReportTexts {
    FieldId option;
    int count;
    FieldId texts[2];
    const char* labels[2];
};
const ReportTexts kReportTexts[] = {
    {FieldId::opNotAuthorized, 1, {FieldId::rtNotAuthorized}, {"txtNotAuthorized"}},
    {FieldId::opPowerReport, 2, {FieldId::rtPowerUp, FieldId::rtPowerDown}, {"txtPowerUp", "txtPowerDown"}},
    {FieldId::opSwitchReport, 2, {FieldId::rtSwitchOn, FieldId::rtSwitchOff}, {"txtSwitchOn", "txtSwitchOff"}},
};

QString fieldObjectName(FieldId id)
{
    return QString::fromLatin1(field(id).name);
}

const QStringList kServiceCentres = {QStringLiteral("+420602909909"), QStringLiteral("+420603052000"),
                                     QStringLiteral("+420608005681")};

} // namespace

SettingsTabs::SettingsTabs(SettingsDocument& document, FieldBinder& binder, QWidget* parent)
    : QTabWidget(parent)
    , m_doc(document)
    , m_binder(binder)
{
    setObjectName(QStringLiteral("TabList"));
    const QStringList& captions = tabCaptions();
    auto scrolled = [](QWidget* page) {
        // A safety net for small screens; at the default size nothing scrolls.
        auto* area = new QScrollArea;
        area->setWidget(page);
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        return area;
    };
    addTab(scrolled(buildGeneralTab()), captions[0]);
    addTab(scrolled(buildSmsTab()), captions[1]);
    addTab(scrolled(buildGridTab(inputGrid(), RowDialog::Input)), captions[2]);
    addTab(scrolled(buildGridTab(outputGrid(), RowDialog::Output)), captions[3]);
    addTab(scrolled(buildGridTab(analogGrid(0), RowDialog::Analog)), captions[4]);
    addTab(scrolled(buildGridTab(analogGrid(4), RowDialog::Analog)), captions[5]);
    addTab(scrolled(buildPhoneTab()), captions[6]);
    addTab(scrolled(buildCounterTab()), captions[7]);

    connect(&m_doc, &SettingsDocument::fieldChanged, this, &SettingsTabs::onFieldChanged);

    // Start-up: power-save enabling, and the report texts enabled to match their options.
    applyInitialAvailability();
    checkEnabled();
    setReportTextsEnabled(FieldId::opSwitchReport);
    setReportTextsEnabled(FieldId::opPowerReport);
}

QLineEdit* SettingsTabs::textField(FieldId id)
{
    const FieldDef& f = field(id);
    auto* e = new QLineEdit;
    e->setObjectName(fieldObjectName(id));
    if (f.maxLength > 0)
        e->setMaxLength(f.maxLength);
    m_binder.bindText(f, 0, e);
    return e;
}

QCheckBox* SettingsTabs::checkField(FieldId id, const QString& caption)
{
    auto* b = new QCheckBox(caption);
    b->setObjectName(fieldObjectName(id));
    m_binder.bindCheck(field(id), 0, b);
    return b;
}

QWidget* SettingsTabs::buildGeneralTab()
{
    auto* page = new QWidget;
    auto* col = new QVBoxLayout(page);

    auto* ps = new QGroupBox(QStringLiteral("Šetřící režim"));
    auto* pg = new QGridLayout(ps);
    auto* ps0 = new QRadioButton(QStringLiteral("Bez šetřícího režimu"));
    ps0->setObjectName(QStringLiteral("opEnablePS0"));
    auto* ps1 = new QRadioButton(QStringLiteral("Povolit šetřící režim"));
    ps1->setObjectName(fieldObjectName(FieldId::opEnablePS1));
    m_binder.bindChoice(field(FieldId::opEnablePS1), ps0, ps1);
    pg->addWidget(ps0, 0, 0, 1, 5);
    pg->addWidget(ps1, 1, 0, 1, 5);
    auto timeRow = [&](int r, const char* l1, const QString& caption, FieldId h, const char* l2, FieldId m,
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
    timeRow(2, "lblPSOn1", QStringLiteral("Doba zapnutého modemu ................................"), FieldId::eePSOnH,
            "lblPSOn2", FieldId::eePSOnM, "lblPSOn3");
    timeRow(3, "lblPSOff1", QStringLiteral("Doba vypnutého modemu ................................"), FieldId::eePSOffH,
            "lblPSOff2", FieldId::eePSOffM, "lblPSOff3");
    pg->addWidget(checkField(FieldId::opPSOutOff, QStringLiteral("Při vypnutém modemu vypnout výstupy")), 4, 0, 1, 5);
    pg->addWidget(checkField(FieldId::opSuperPS, QStringLiteral("Super šetřící režim")), 5, 0, 1, 5);
    pg->setColumnStretch(5, 1);

    auto* dev = new QGroupBox(QStringLiteral("Zařízení"));
    auto* dg = new QGridLayout(dev);
    auto* name = textField(FieldId::tabJmenoStanice);
    name->setToolTip(QStringLiteral("Název stanice"));
    auto* pin = textField(FieldId::tabPIN);
    pin->setToolTip(QStringLiteral("PIN SIM karty, která je uložena ve stanici"));
    pin->setMaximumWidth(120);
    auto* centre = new QComboBox;
    centre->setObjectName(fieldObjectName(FieldId::tabTCcentra));
    centre->setEditable(true);
    centre->setInsertPolicy(QComboBox::NoInsert);
    centre->addItems(kServiceCentres);
    m_binder.bindCombo(field(FieldId::tabTCcentra), centre);
    centre->setMinimumContentsLength(20);
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

QWidget* SettingsTabs::buildSmsTab()
{
    auto* page = new QWidget;
    auto* col = new QVBoxLayout(page);
    col->addWidget(checkField(FieldId::opPINAuth, QStringLiteral("Autorizace pomocí zadání PINu v příkazové zprávě")));
    col->addWidget(checkField(FieldId::tabOdpovidatT0, QStringLiteral("Hlášení o stavu posílat i na telefonní číslo T1")));
    col->addWidget(checkField(FieldId::tabPrepnoutNepovolPristup,
                              QStringLiteral("Hlášení o nepovoleném přístupu posílat i na tel. číslo T1")));
    col->addWidget(checkField(FieldId::opNotAuthorized, QStringLiteral("Posílat hlášení, že není povolen přístup")));
    auto textRow = [this](QGridLayout* g, int r, const char* lblName, const QString& caption, FieldId name) {
        g->addWidget(label(caption, lblName), r, 0);
        g->addWidget(textField(name), r, 1);
    };
    auto* na = new QGridLayout;
    textRow(na, 0, "txtNotAuthorized", QStringLiteral("Text hlášení o nepovolení přístupu:"), FieldId::rtNotAuthorized);
    col->addLayout(na);

    auto* validity = new QHBoxLayout;
    auto* days = textField(FieldId::tabDobaPlatnostiSMS);
    days->setToolTip(QStringLiteral("Doba, po kterou je SMS zpráva platná"));
    days->setMaximumWidth(40);
    validity->addWidget(label(QStringLiteral("Doba platnosti SMS zprávy je")));
    validity->addWidget(days);
    validity->addWidget(label(QStringLiteral("dnů  (1-30).")));
    validity->addStretch(1);
    col->addLayout(validity);

    auto* batt = new QGroupBox(QStringLiteral("Baterie"));
    auto* bg = new QGridLayout(batt);
    bg->addWidget(checkField(FieldId::opBatt, QStringLiteral("při poklesu napětí pod CL1 vypnout zařízení")), 0, 0, 1, 2);
    bg->addWidget(label(QStringLiteral("Text hlášení při poklesu napětí\n"
                                       " = text při přechodu CL1 dolu u analog.vstup BAT:")),
                  1, 0);
    bg->addWidget(textField(FieldId::rtBattLow), 1, 1);
    col->addWidget(batt);

    auto* power = new QGroupBox(QStringLiteral("Zapnutí/Vypnutí síťového napájení"));
    auto* wg = new QGridLayout(power);
    wg->addWidget(checkField(FieldId::opPowerReport, QStringLiteral("posílat hlášení o zapnutí/vypnutí")), 0, 0, 1, 2);
    textRow(wg, 1, "txtPowerUp", QStringLiteral("Text hlášení při zapnutí:"), FieldId::rtPowerUp);
    textRow(wg, 2, "txtPowerDown", QStringLiteral("Text hlášení při vypnutí:"), FieldId::rtPowerDown);
    col->addWidget(power);

    auto* sw = new QGroupBox(QStringLiteral("Zapnutí/Vypnutí zařízení"));
    auto* sg = new QGridLayout(sw);
    sg->addWidget(checkField(FieldId::opSwitchReport, QStringLiteral("posílat hlášení o zapnutí/vypnutí")), 0, 0, 1, 2);
    textRow(sg, 1, "txtSwitchOn", QStringLiteral("Text hlášení při zapnutí:"), FieldId::rtSwitchOn);
    textRow(sg, 2, "txtSwitchOff", QStringLiteral("Text hlášení při vypnutí:"), FieldId::rtSwitchOff);
    col->addWidget(sw);
    // The caption columns of the frames line up so the texts start at one edge.
    for (QGridLayout* g : {na, bg, wg, sg})
        g->setColumnMinimumWidth(0, 330);
    col->addStretch(1);
    return page;
}

QWidget* SettingsTabs::buildGridTab(const GridTable& table, RowDialog dialog, QWidget* below)
{
    auto* page = new QWidget;
    auto* col = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    GridCallbacks cb;
    cb.field = [this, dialog](const FieldDef& f, int index, QWidget* w) {
        if (auto* e = qobject_cast<QLineEdit*>(w))
            m_binder.bindText(f, index, e, dialog);
        else if (auto* b = qobject_cast<QCheckBox*>(w))
            m_binder.bindCheck(f, index, b);
    };
    cb.button = [this, dialog](int index, QWidget* w) {
        m_rowButtons.push_back(w);
        connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
                [this, dialog, index] { m_binder.openRowDialog(dialog, index); });
    };
    buildGrid(grid, table, cb);
    col->addLayout(grid);
    if (below)
        col->addWidget(below);
    col->addStretch(1);
    return page;
}

void SettingsTabs::setRowButtonsEnabled(bool enabled)
{
    for (QWidget* b : m_rowButtons)
        b->setEnabled(enabled);
}

QWidget* SettingsTabs::buildPhoneTab()
{
    auto* uto = new QWidget;
    auto* row = new QHBoxLayout(uto);
    row->setContentsMargins(0, 8, 0, 0);
    auto* enable = new QCheckBox(QStringLiteral("Automaticky vkládat před tel. číslo UTO:"));
    enable->setObjectName(QStringLiteral("tabUTOEnable"));
    auto* prefix = new QLineEdit;
    prefix->setObjectName(QStringLiteral("tabUTO"));
    prefix->setMaxLength(4);
    prefix->setMaximumWidth(70);
    m_binder.bindUtoPrefix(enable, prefix);
    row->addWidget(enable);
    row->addWidget(prefix);
    row->addStretch(1);
    return buildGridTab(phoneGrid(), RowDialog::Phone, uto);
}

QWidget* SettingsTabs::buildCounterTab()
{
    auto* suppress = checkField(FieldId::opSuppZero, QStringLiteral("při zobrazení stavu čítačů potlačení předních nul"));
    return buildGridTab(counterGrid(), RowDialog::None, suppress);
}

void SettingsTabs::applyInitialAvailability()
{
    // The station's firmware always reports unauthorised access and only to
    // the sender; these options are shown for completeness and stay fixed.
    for (FieldId id : {FieldId::opNotAuthorized, FieldId::tabPrepnoutNepovolPristup, FieldId::rtNotAuthorized})
        m_binder.fieldWidget(field(id), 0)->setEnabled(false);
    findChild<QWidget*>(QStringLiteral("txtNotAuthorized"))->setEnabled(false);

    // Only counter C1 is wired in the station.
    findChild<QWidget*>(QStringLiteral("tabCITJmeno_1"))->setEnabled(false);
    m_binder.fieldWidget(field(FieldId::tabCITNazev), 1)->setEnabled(false);
    m_binder.fieldWidget(field(FieldId::tabCITZpr), 1)->setEnabled(false);

    // Only output O1 can give a timed impulse.
    for (int i = 1; i < kOutputCount; ++i)
        m_binder.fieldWidget(field(FieldId::tabOUTimpulsLEN), i)->setEnabled(false);

    // Outputs O5..O8 exist in the image but not on this hardware: hidden, yet
    // still loaded and saved.
    for (int i = 4; i < kOutputCount; ++i) {
        findChild<QWidget*>(QStringLiteral("tabOUTjmeno_%1").arg(i))->hide();
        findChild<QWidget*>(QStringLiteral("tabOUTbt_%1").arg(i))->hide();
        for (FieldId id : {FieldId::tabOUTNazev, FieldId::tabOUTVyp, FieldId::tabOUTZap, FieldId::tabOUTimpuls,
                           FieldId::tabOUTimpulsLEN, FieldId::tabOUTNeg, FieldId::tabOUTZpr}) {
            QWidget* w = m_binder.fieldWidget(field(id), i);
            w->hide();
            if (qobject_cast<QLineEdit*>(w))
                w->setStyleSheet(QStringLiteral("background-color: palette(button);"));
        }
    }

    // The battery input's CL1-down text is the battery-low report.
    m_binder.fieldWidget(field(FieldId::tabAINCL1Dn), kBatteryInput)
        ->setToolTip(QStringLiteral("Text SMS zprávy při přechodu přes CL1 dolu - TATO HLÁŠKA JE SHODNÁ S HLÁŠKOU O "
                                    "POKLESU NAPĚTÍ BATERIÍ"));
}

void SettingsTabs::checkEnabled()
{
    const bool on = m_doc.config().opEnablePS1;
    for (const char* name : kPowerSaveLabels)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(name)))
            w->setEnabled(on);
    for (FieldId id : kPowerSaveFields)
        if (QWidget* w = m_binder.fieldWidget(field(id), 0))
            w->setEnabled(on);
}

void SettingsTabs::onFieldChanged(const FieldDef* f, int)
{
    // The click behaviours run whoever changed the value: the user, a load, a dialog.
    if (f->id == FieldId::opEnablePS1)
        checkEnabled();
    else
        setReportTextsEnabled(f->id);
}

void SettingsTabs::setReportTextsEnabled(FieldId option)
{
    for (const ReportTexts& r : kReportTexts) {
        if (r.option != option)
            continue;
        const bool on = flagOf(m_doc.config(), field(option), 0);
        for (int i = 0; i < r.count; ++i) {
            if (QWidget* w = m_binder.fieldWidget(field(r.texts[i]), 0))
                w->setEnabled(on);
            if (auto* w = findChild<QWidget*>(QString::fromLatin1(r.labels[i])))
                w->setEnabled(on);
        }
    }
}

} // namespace torval
