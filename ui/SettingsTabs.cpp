#include "ui/SettingsTabs.h"

#include "model/ConfigFields.h"
#include "model/SettingsDocument.h"
#include "ui/FieldBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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
const FieldId kPowerSaveFields[] = {FieldId::eePSOnH,  FieldId::eePSOnM,   FieldId::eePSOffH,
                                    FieldId::eePSOffM, FieldId::opSuperPS, FieldId::opPSOutOff};

QString fieldObjectName(FieldId id)
{
    return QString::fromLatin1(field(id).name);
}

const QStringList kServiceCentres = {QStringLiteral("+420602909909"), QStringLiteral("+420603052000"),
                                     QStringLiteral("+420608005681")};

} // namespace

SettingsTabs::SettingsTabs(SettingsDocument& document, FieldBinder& binder, QWidget* parent)
    : QTabWidget(parent), m_doc(document), m_binder(binder)
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

    auto* ps = new QGroupBox(QCoreApplication::translate("SettingsTabs", "Šetřící režim"));
    auto* pg = new QGridLayout(ps);
    auto* ps0 = new QRadioButton(QCoreApplication::translate("SettingsTabs", "Bez šetřícího režimu"));
    ps0->setObjectName(QStringLiteral("opEnablePS0"));
    auto* ps1 = new QRadioButton(QCoreApplication::translate("SettingsTabs", "Povolit šetřící režim"));
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
    timeRow(2, "lblPSOn1",
            QCoreApplication::translate("SettingsTabs", "Doba zapnutého modemu ................................"),
            FieldId::eePSOnH, "lblPSOn2", FieldId::eePSOnM, "lblPSOn3");
    timeRow(3, "lblPSOff1",
            QCoreApplication::translate("SettingsTabs", "Doba vypnutého modemu ................................"),
            FieldId::eePSOffH, "lblPSOff2", FieldId::eePSOffM, "lblPSOff3");
    pg->addWidget(checkField(FieldId::opPSOutOff,
                             QCoreApplication::translate("SettingsTabs", "Při vypnutém modemu vypnout výstupy")),
                  4, 0, 1, 5);
    pg->addWidget(checkField(FieldId::opSuperPS, QCoreApplication::translate("SettingsTabs", "Super šetřící režim")), 5,
                  0, 1, 5);
    pg->setColumnStretch(5, 1);

    auto* dev = new QGroupBox(QCoreApplication::translate("SettingsTabs", "Zařízení"));
    auto* dg = new QGridLayout(dev);
    auto* name = textField(FieldId::tabJmenoStanice);
    name->setToolTip(QCoreApplication::translate("SettingsTabs", "Název stanice"));
    auto* pin = textField(FieldId::tabPIN);
    pin->setToolTip(QCoreApplication::translate("SettingsTabs", "PIN SIM karty, která je uložena ve stanici"));
    pin->setMaximumWidth(120);
    auto* centre = new QComboBox;
    centre->setObjectName(fieldObjectName(FieldId::tabTCcentra));
    centre->setEditable(true);
    centre->setInsertPolicy(QComboBox::NoInsert);
    centre->addItems(kServiceCentres);
    m_binder.bindCombo(field(FieldId::tabTCcentra), centre);
    centre->setMinimumContentsLength(20);
    dg->addWidget(label(QCoreApplication::translate("SettingsTabs", "Název stanice:")), 0, 0);
    dg->addWidget(name, 0, 1);
    dg->addWidget(label(QStringLiteral("PIN:")), 1, 0);
    dg->addWidget(pin, 1, 1, Qt::AlignLeft);
    dg->addWidget(label(QCoreApplication::translate("SettingsTabs", "Telefonní číslo servisního centra:")), 2, 0);
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
    col->addWidget(
        checkField(FieldId::opPINAuth,
                   QCoreApplication::translate("SettingsTabs", "Autorizace pomocí zadání PINu v příkazové zprávě")));
    col->addWidget(
        checkField(FieldId::tabOdpovidatT0,
                   QCoreApplication::translate("SettingsTabs", "Hlášení o stavu posílat i na telefonní číslo T1")));
    col->addWidget(checkField(
        FieldId::tabPrepnoutNepovolPristup,
        QCoreApplication::translate("SettingsTabs", "Hlášení o nepovoleném přístupu posílat i na tel. číslo T1")));
    col->addWidget(checkField(FieldId::opNotAuthorized,
                              QCoreApplication::translate("SettingsTabs", "Posílat hlášení, že není povolen přístup")));
    auto textRow = [this](QGridLayout* g, int r, const char* lblName, const QString& caption, FieldId name) {
        QLabel* l = label(caption, lblName);
        m_textCaptions[name] = l;
        g->addWidget(l, r, 0);
        g->addWidget(textField(name), r, 1);
    };
    auto* na = new QGridLayout;
    textRow(na, 0, "txtNotAuthorized",
            QCoreApplication::translate("SettingsTabs", "Text hlášení o nepovolení přístupu:"),
            FieldId::rtNotAuthorized);
    col->addLayout(na);

    auto* validity = new QHBoxLayout;
    auto* days = textField(FieldId::tabDobaPlatnostiSMS);
    days->setToolTip(QCoreApplication::translate("SettingsTabs", "Doba, po kterou je SMS zpráva platná"));
    days->setMaximumWidth(40);
    validity->addWidget(label(QCoreApplication::translate("SettingsTabs", "Doba platnosti SMS zprávy je")));
    validity->addWidget(days);
    validity->addWidget(label(QCoreApplication::translate("SettingsTabs", "dnů  (1-30).")));
    validity->addStretch(1);
    col->addLayout(validity);

    auto* batt = new QGroupBox(QCoreApplication::translate("SettingsTabs", "Baterie"));
    auto* bg = new QGridLayout(batt);
    bg->addWidget(
        checkField(FieldId::opBatt,
                   QCoreApplication::translate("SettingsTabs", "při poklesu napětí pod CL1 vypnout zařízení")),
        0, 0, 1, 2);
    bg->addWidget(label(QCoreApplication::translate("SettingsTabs",
                                                    "Text hlášení při poklesu napětí\n"
                                                    " = text při přechodu CL1 dolu u analog.vstup BAT:")),
                  1, 0);
    bg->addWidget(textField(FieldId::rtBattLow), 1, 1);
    col->addWidget(batt);

    // The caption columns of the frames line up so the texts start at one edge.
    constexpr int kCaptionColumn = 330;
    // The mains and the device report groups: the option, then its on and off texts.
    const auto reportGroup = [&](const QString& title, FieldId option, const char* onLabel, FieldId onText,
                                 const char* offLabel, FieldId offText) {
        auto* box = new QGroupBox(title);
        auto* g = new QGridLayout(box);
        g->addWidget(
            checkField(option, QCoreApplication::translate("SettingsTabs", "posílat hlášení o zapnutí/vypnutí")), 0, 0,
            1, 2);
        textRow(g, 1, onLabel, QCoreApplication::translate("SettingsTabs", "Text hlášení při zapnutí:"), onText);
        textRow(g, 2, offLabel, QCoreApplication::translate("SettingsTabs", "Text hlášení při vypnutí:"), offText);
        g->setColumnMinimumWidth(0, kCaptionColumn);
        col->addWidget(box);
    };
    reportGroup(QCoreApplication::translate("SettingsTabs", "Zapnutí/Vypnutí síťového napájení"),
                FieldId::opPowerReport, "txtPowerUp", FieldId::rtPowerUp, "txtPowerDown", FieldId::rtPowerDown);
    reportGroup(QCoreApplication::translate("SettingsTabs", "Zapnutí/Vypnutí zařízení"), FieldId::opSwitchReport,
                "txtSwitchOn", FieldId::rtSwitchOn, "txtSwitchOff", FieldId::rtSwitchOff);
    for (QGridLayout* g : {na, bg})
        g->setColumnMinimumWidth(0, kCaptionColumn);
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
    cb.rowLabel = [this, dialog](int index, QWidget* w) {
        m_rowLabels[{dialog, index}] = w;
        m_rowWidgets[{dialog, index}].push_back(w);
    };
    cb.field = [this, dialog](const FieldDef& f, int index, QWidget* w) {
        m_rowWidgets[{dialog, index}].push_back(w);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            m_binder.bindText(f, index, e, dialog);
        else if (auto* b = qobject_cast<QCheckBox*>(w))
            m_binder.bindCheck(f, index, b);
    };
    cb.button = [this, dialog](int index, QWidget* w) {
        m_rowWidgets[{dialog, index}].push_back(w);
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
    auto* enable =
        new QCheckBox(QCoreApplication::translate("SettingsTabs", "Automaticky vkládat před tel. číslo UTO:"));
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
    auto* suppress =
        checkField(FieldId::opSuppZero,
                   QCoreApplication::translate("SettingsTabs", "při zobrazení stavu čítačů potlačení předních nul"));
    return buildGridTab(counterGrid(), RowDialog::None, suppress);
}

void SettingsTabs::applyInitialAvailability()
{
    // The station's firmware always reports unauthorised access and only to
    // the sender; these options are shown for completeness and stay fixed.
    for (FieldId id : {FieldId::opNotAuthorized, FieldId::tabPrepnoutNepovolPristup, FieldId::rtNotAuthorized})
        m_binder.fieldWidget(field(id), 0)->setEnabled(false);
    m_textCaptions.at(FieldId::rtNotAuthorized)->setEnabled(false);

    // Only counter C1 is wired in the station.
    m_rowLabels.at({RowDialog::None, 1})->setEnabled(false);
    m_binder.fieldWidget(field(FieldId::tabCITNazev), 1)->setEnabled(false);
    m_binder.fieldWidget(field(FieldId::tabCITZpr), 1)->setEnabled(false);

    // Only output O1 can give a timed impulse.
    for (int i = 1; i < kOutputCount; ++i)
        m_binder.fieldWidget(field(FieldId::tabOUTimpulsLEN), i)->setEnabled(false);

    // Outputs O5..O8 exist in the image but not on this hardware: their grid
    // rows are hidden, yet still loaded and saved.
    for (int i = 4; i < kOutputCount; ++i) {
        for (QWidget* w : m_rowWidgets.at({RowDialog::Output, i})) {
            w->hide();
            if (qobject_cast<QLineEdit*>(w))
                w->setStyleSheet(QStringLiteral("background-color: palette(button);"));
        }
    }

    // The battery input's CL1-down text is the battery-low report.
    m_binder.fieldWidget(field(FieldId::tabAINCL1Dn), kBatteryInput)
        ->setToolTip(QCoreApplication::translate(
            "SettingsTabs",
            "Text SMS zprávy při přechodu přes CL1 dolu - TATO HLÁŠKA JE SHODNÁ S HLÁŠKOU O "
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
    for (const ReportOption& r : reportOptions()) {
        if (r.option != option)
            continue;
        const bool on = flagOf(m_doc.config(), field(option), 0);
        for (int i = 0; i < r.count; ++i) {
            if (QWidget* w = m_binder.fieldWidget(field(r.texts[i]), 0))
                w->setEnabled(on);
            if (const auto c = m_textCaptions.find(r.texts[i]); c != m_textCaptions.end())
                c->second->setEnabled(on);
        }
    }
}

} // namespace torval
