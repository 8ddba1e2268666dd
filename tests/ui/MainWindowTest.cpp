#include "ui/MainWindowTestSupport.h"

#include "model/ConfigFields.h"
#include "model/EepromImage.h"
#include "model/SettingsDocument.h"
#include "platform/SerialPorts.h"
#include "rules/FieldRules.h"
#include "ui/GridBuilder.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace torval;
using torval::test::FakePrompts;
using torval::test::moveFocus;
using torval::test::settle;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        window.setPrompts(prompts);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        settle();
    }

    template <class W = QWidget>
    W* child(const QString& name)
    {
        W* w = window.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* edit(const QString& name) { return child<QLineEdit>(name); }
    QCheckBox* box(const QString& name) { return child<QCheckBox>(name); }
    QString labelText(const QString& name) { return child<QLabel>(name)->text(); }
    int currentTab() { return child<QTabWidget>(QStringLiteral("TabList"))->currentIndex(); }

    SettingsDocument doc;
    EepromImage image;
    FakePrompts prompts;
    MainWindow window{doc, image};
};

TEST_F(MainWindowTest, StartsInactiveOnComOneWithTheDefaultSize)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Inicializační program pro zařízení TORVAL"));
    auto* port = child<QComboBox>(QStringLiteral("tabPort"));
    // The ports the system has, each once, then the virtual station; the first selected.
    EXPECT_EQ(port->currentIndex(), 0);
    EXPECT_EQ(port->count(), qsizetype(listSerialPorts().size()) + 1);
    EXPECT_EQ(port->itemText(port->count() - 1), QStringLiteral("Virtuální stanice"));
    window.addPort(QStringLiteral("COM 3"), false);
    const int ports = port->count();
    // The same port as the system spells it.
#ifdef Q_OS_WIN
    window.addPort(QStringLiteral("COM3"), true);
#else
    window.addPort(QStringLiteral("/dev/ttyS2"), true);
#endif
    EXPECT_EQ(port->count(), ports);
    EXPECT_EQ(window.selectedPort(), QStringLiteral("COM 3")) << "one device, one item";
    port->setCurrentIndex(0);
    EXPECT_TRUE(port->isEnabled());

    EXPECT_EQ(labelText(QStringLiteral("tabDeAktivNapis")), QStringLiteral("Neaktivní"));
    EXPECT_EQ(child<QPushButton>(QStringLiteral("btDEA"))->text(), QStringLiteral("Aktivovat"));
    EXPECT_FALSE(child(QStringLiteral("btEEPROMLoad"))->isEnabled());
    EXPECT_FALSE(child(QStringLiteral("btEEPROMSave"))->isEnabled());
    EXPECT_TRUE(child(QStringLiteral("btFileLoad"))->isEnabled());
    EXPECT_TRUE(box(QStringLiteral("CheckWrite"))->isChecked());
    for (const char* n : {"lblInfoModem", "lblInfoPamSize", "lblInfoProdukt", "lblInfoVerze", "lblInfoPamFree"})
        EXPECT_EQ(labelText(QString::fromLatin1(n)), QStringLiteral("?")) << n;
    // Every text empty: 272 bytes before the texts, the end mark and one terminator per text.
    EXPECT_EQ(labelText(QStringLiteral("lblInfoPamUsage")), QStringLiteral("429 byte"));

    auto* tabs = child<QTabWidget>(QStringLiteral("TabList"));
    ASSERT_EQ(tabs->count(), 8);
    for (int t = 0; t < 8; ++t)
        EXPECT_EQ(tabs->tabText(t), tabCaptions()[t]);
}

TEST_F(MainWindowTest, FitsALaptopScreen)
{
    EXPECT_LE(window.width(), 1280);
    EXPECT_LE(window.height(), 800);
}

TEST_F(MainWindowTest, FixedAndHiddenControlsAtStart)
{
    auto* notAuth = box(QStringLiteral("opNotAuthorized"));
    EXPECT_TRUE(notAuth->isChecked());
    EXPECT_FALSE(notAuth->isEnabled());
    EXPECT_FALSE(box(QStringLiteral("tabPrepnoutNepovolPristup"))->isEnabled());
    EXPECT_FALSE(edit(QStringLiteral("rtNotAuthorized"))->isEnabled());

    // Outputs O5..O8 are not on the screen but keep their values.
    for (int i = 0; i < 8; ++i) {
        const bool shown = i < 4;
        EXPECT_EQ(!child(QStringLiteral("tabOUTjmeno_%1").arg(i))->isHidden(), shown) << i;
        EXPECT_EQ(!edit(QStringLiteral("tabOUTNazev_%1").arg(i))->isHidden(), shown) << i;
        EXPECT_EQ(!child(QStringLiteral("tabOUTbt_%1").arg(i))->isHidden(), shown) << i;
        EXPECT_EQ(edit(QStringLiteral("tabOUTimpulsLEN_%1").arg(i))->isEnabled(), i == 0) << i;
    }
    doc.setText(*findField("tabOUTNazev"), 6, QStringLiteral("CERPADLO"));
    EXPECT_EQ(edit(QStringLiteral("tabOUTNazev_6"))->text(), QStringLiteral("CERPADLO"));

    EXPECT_TRUE(edit(QStringLiteral("tabCITNazev_0"))->isEnabled());
    EXPECT_FALSE(edit(QStringLiteral("tabCITNazev_1"))->isEnabled());
    EXPECT_FALSE(box(QStringLiteral("tabCITZpr_1"))->isEnabled());
    EXPECT_FALSE(child(QStringLiteral("tabCITJmeno_1"))->isEnabled());

    // Only the battery row's falling text warns that it is the battery message too.
    EXPECT_NE(edit(QStringLiteral("tabAINCL1Dn_7"))->toolTip(), edit(QStringLiteral("tabAINCL1Dn_0"))->toolTip());
    EXPECT_EQ(edit(QStringLiteral("tabAINCL1Dn_1"))->toolTip(), edit(QStringLiteral("tabAINCL1Dn_0"))->toolTip());
    EXPECT_EQ(child(QStringLiteral("tabAINJmeno_7"))->property("text").toString(), QStringLiteral("BAT"));
}

// Every field of a grid tab that has rows has its grid column, and only one:
// a field added to the table without its column shows nowhere.
TEST(GridTables, EveryRowFieldOfAGridTabHasOneColumn)
{
    std::map<FieldId, int> columns;
    for (const GridTable* t : {&inputGrid(), &outputGrid(), &phoneGrid(), &counterGrid()})
        for (const GridColumn& c : t->columns)
            if (c.field)
                ++columns[*c.field];
    for (const GridColumn& c : analogGrid(0).columns)
        if (c.field)
            ++columns[*c.field];
    // The alarm masks are set in the row dialogs only.
    const std::set<FieldId> dialogOnly = {FieldId::eeMaskDInLHAlarm, FieldId::eeMaskDInHLAlarm,
                                          FieldId::eeMaskAInAlarm};
    for (const FieldDef& f : configFields()) {
        if (f.count > 1) {
            EXPECT_EQ(columns[f.id], dialogOnly.count(f.id) ? 0 : 1) << f.name;
        }
    }
    // And every field column is headed: by a heading of the grid or by its caption.
    for (const GridTable& t : {inputGrid(), outputGrid(), analogGrid(0), phoneGrid(), counterGrid()}) {
        QWidget page;
        auto* grid = new QGridLayout(&page);
        buildGrid(grid, t, {});
        for (const GridColumn& c : t.columns) {
            if (!c.field)
                continue;
            const int col = layoutColumn(t, c);
            int headings = 0;
            for (int i = 0; i < grid->count(); ++i) {
                int row, column, rows, span;
                grid->getItemPosition(i, &row, &column, &rows, &span);
                auto* l = qobject_cast<QLabel*>(grid->itemAt(i)->widget());
                headings += l && l->objectName().isEmpty() && row == 0 && column <= col && col < column + span;
            }
            EXPECT_EQ(headings, 1) << field(*c.field).name;
        }
    }
}

TEST_F(MainWindowTest, PowerSavingControlsFollowTheOption)
{
    const QStringList controls = {"lblPSOn1",  "lblPSOn2",  "lblPSOn3", "eePSOnH",  "eePSOnM",   "lblPSOff1",
                                  "lblPSOff2", "lblPSOff3", "eePSOffH", "eePSOffM", "opSuperPS", "opPSOutOff"};
    auto enabledCount = [&] {
        int n = 0;
        for (const QString& c : controls)
            n += child(c)->isEnabled() ? 1 : 0;
        return n;
    };
    EXPECT_EQ(enabledCount(), 0);
    child<QRadioButton>(QStringLiteral("opEnablePS1"))->click();
    EXPECT_TRUE(doc.config().opEnablePS1);
    EXPECT_EQ(enabledCount(), 12);
    child<QRadioButton>(QStringLiteral("opEnablePS0"))->click();
    EXPECT_EQ(enabledCount(), 0);
    // A loaded setting enables them just the same.
    doc.setFlag(*findField("opEnablePS1"), 0, true);
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("opEnablePS1"))->isChecked());
    EXPECT_EQ(enabledCount(), 12);
}

TEST_F(MainWindowTest, ReportTextsFollowTheirOptionsAndKeepTheirTexts)
{
    struct Case {
        const char* option;
        QStringList controls;
    };
    const Case cases[] = {
        {"opPowerReport", {"txtPowerUp", "rtPowerUp", "txtPowerDown", "rtPowerDown"}},
        {"opSwitchReport", {"txtSwitchOn", "rtSwitchOn", "txtSwitchOff", "rtSwitchOff"}},
    };
    for (const Case& c : cases) {
        const QString option = QString::fromLatin1(c.option);
        for (const QString& n : c.controls)
            EXPECT_FALSE(child(n)->isEnabled()) << n.toStdString();
        box(option)->click();
        for (const QString& n : c.controls)
            EXPECT_TRUE(child(n)->isEnabled()) << n.toStdString();
        edit(c.controls[1])->setText(QStringLiteral("SIT OK"));
        box(option)->click();
        for (const QString& n : c.controls)
            EXPECT_FALSE(child(n)->isEnabled()) << n.toStdString();
        EXPECT_EQ(edit(c.controls[1])->text(), QStringLiteral("SIT OK"));
    }
    // opNotAuthorized is fixed on screen, but a loaded value still drives its text.
    doc.setFlag(*findField("opNotAuthorized"), 0, false);
    doc.setFlag(*findField("opNotAuthorized"), 0, true);
    EXPECT_TRUE(edit(QStringLiteral("rtNotAuthorized"))->isEnabled());
}

TEST_F(MainWindowTest, TypingUpdatesTheSettingsSizeAndFreeMemoryColour)
{
    edit(QStringLiteral("tabJmenoStanice"))->setText(QStringLiteral("Čerpací stanice"));
    EXPECT_EQ(doc.config().tabJmenoStanice, QStringLiteral("Čerpací stanice"));
    EXPECT_EQ(labelText(QStringLiteral("lblInfoPamUsage")), QStringLiteral("444 byte"));

    DeviceInfo info;
    info.memorySize = QStringLiteral("    64 byte");
    window.showLinkState(LinkState::Active, info);
    EXPECT_EQ(labelText(QStringLiteral("lblInfoPamFree")), QStringLiteral("-380 byte"));
    EXPECT_TRUE(child(QStringLiteral("lblInfoPamFree"))->styleSheet().contains(QStringLiteral("255, 0, 0")));
    info.memorySize = QStringLiteral("  1984 byte");
    window.showLinkState(LinkState::Active, info);
    EXPECT_EQ(labelText(QStringLiteral("lblInfoPamFree")), QStringLiteral("1540 byte"));
    EXPECT_TRUE(child(QStringLiteral("lblInfoPamFree"))->styleSheet().contains(QStringLiteral("0, 0, 255")));
}

TEST_F(MainWindowTest, RejectedLevelShowsTheMessageBringsItsTabAndKeepsTheText)
{
    struct Case {
        int row;
        int tab;
    };
    for (const Case c : {Case{5, 5}, Case{2, 4}}) {
        prompts.all.clear();
        window.showTab(0);
        auto* level = edit(QStringLiteral("tabAINCL1Level_%1").arg(c.row));
        window.showTab(c.tab);
        settle();
        level->setFocus(Qt::OtherFocusReason);
        settle();
        level->setText(QStringLiteral("1x"));
        // Go somewhere on another tab, as a click on the frame would.
        window.showTab(0);
        edit(QStringLiteral("tabJmenoStanice"))->setFocus(Qt::OtherFocusReason);
        settle();
        ASSERT_EQ(prompts.all.size(), 1u) << c.row;
        EXPECT_EQ(prompts.all[0].text, QStringLiteral("Číslo je chybně zadáno."));
        EXPECT_EQ(prompts.all[0].icon, Icon::Error);
        EXPECT_EQ(currentTab(), c.tab);
        EXPECT_EQ(QApplication::focusWidget(), level);
        EXPECT_EQ(level->text(), QStringLiteral("1x"));
        // Correct it before the next case, or leaving it again would repeat the message.
        level->setText(QStringLiteral("0"));
        moveFocus(level, edit(QStringLiteral("tabAINNazev_%1").arg(c.row)));
    }
}

TEST_F(MainWindowTest, AcceptedLevelIsRewrittenWhenLeft)
{
    window.showTab(4);
    auto* level = edit(QStringLiteral("tabAINCL2Level_1"));
    level->setText(QStringLiteral("150"));
    moveFocus(level, edit(QStringLiteral("tabAINNazev_1")));
    EXPECT_TRUE(prompts.all.empty());
    EXPECT_EQ(level->text(), QStringLiteral("100"));
    EXPECT_EQ(doc.config().tabAINCL2Level[1], QStringLiteral("100"));
}

TEST_F(MainWindowTest, PairMessageIsNotRepeatedByThePartnerField)
{
    window.showTab(2);
    auto* on = edit(QStringLiteral("tabINPZap_0"));
    auto* off = edit(QStringLiteral("tabINPVyp_0"));
    off->setText(QStringLiteral("OTEVRENO"));
    on->setFocus(Qt::OtherFocusReason);
    settle();
    on->setText(QStringLiteral("otevreno"));
    off->setFocus(Qt::OtherFocusReason); // leaving 'Zapnuto' for its partner
    settle();
    ASSERT_EQ(prompts.all.size(), 1u);
    EXPECT_EQ(prompts.all[0].text, QStringLiteral("Název 'Zapnuto' nesmí být stejný jako název 'Vypnuto'."));
    EXPECT_EQ(QApplication::focusWidget(), on);
    // The partner lost the focus to the rejected field; it said nothing and cleared the latch.
    EXPECT_FALSE(doc.suppressFieldChecks());

    // Leaving again with the same clash rejects again: the latch was one-shot.
    off->setFocus(Qt::OtherFocusReason);
    settle();
    EXPECT_EQ(prompts.all.size(), 2u);
}

TEST_F(MainWindowTest, StationNameTakesAnyTextWithoutMessages)
{
    auto* name = edit(QStringLiteral("tabJmenoStanice"));
    name->setText(QStringLiteral("Žluťoučký kůň; <&>"));
    moveFocus(name, edit(QStringLiteral("tabPIN")));
    EXPECT_TRUE(prompts.all.empty());
    EXPECT_EQ(doc.config().tabJmenoStanice, QStringLiteral("Žluťoučký kůň; <&>"));
}

TEST_F(MainWindowTest, BatteryTextIsOneTextInTwoPlaces)
{
    window.showTab(1);
    auto* batt = edit(QStringLiteral("rtBattLow"));
    auto* cl1Down = edit(QStringLiteral("tabAINCL1Dn_7"));
    auto* event = box(QStringLiteral("tabAINCL1DnEvent_7"));

    // Leaving it empty does not touch the box.
    moveFocus(batt, edit(QStringLiteral("tabDobaPlatnostiSMS")));
    EXPECT_FALSE(event->isChecked());

    batt->setFocus(Qt::OtherFocusReason);
    settle();
    QTest::keyClicks(batt, QStringLiteral("BATERIE"));
    EXPECT_EQ(cl1Down->text(), QStringLiteral("BATERIE"));
    edit(QStringLiteral("tabDobaPlatnostiSMS"))->setFocus(Qt::OtherFocusReason);
    settle();
    EXPECT_TRUE(event->isChecked());
    EXPECT_TRUE(doc.config().tabAINCL1DnEvent[7]);

    cl1Down->setText(QStringLiteral("SLABA BATERIE"));
    EXPECT_EQ(batt->text(), QStringLiteral("SLABA BATERIE"));
    // Other rows do not touch the battery text.
    edit(QStringLiteral("tabAINCL1Dn_6"))->setText(QStringLiteral("TEPLO"));
    EXPECT_EQ(batt->text(), QStringLiteral("SLABA BATERIE"));
}

TEST_F(MainWindowTest, RejectedBatteryTextStillTicksTheBatteryBox)
{
    window.showTab(1);
    auto* batt = edit(QStringLiteral("rtBattLow"));
    batt->setFocus(Qt::OtherFocusReason);
    settle();
    batt->setText(QStringLiteral("BATERIE \"X\""));
    edit(QStringLiteral("tabDobaPlatnostiSMS"))->setFocus(Qt::OtherFocusReason);
    settle();
    ASSERT_FALSE(prompts.all.empty());
    EXPECT_EQ(prompts.all[0].icon, Icon::Error);
    EXPECT_EQ(currentTab(), 1);
    EXPECT_TRUE(doc.config().tabAINCL1DnEvent[7]);
}

TEST_F(MainWindowTest, RightsOfARowWithoutNumberAreRefusedWithWarnings)
{
    window.showTab(6);
    box(QStringLiteral("tabTCPrijem_2"))->click();
    ASSERT_EQ(prompts.all.size(), 1u);
    EXPECT_EQ(prompts.all[0].text,
              QStringLiteral("Pokud není zadáno telefonní číslo musí být zaškrtávací pole 'Příjem' nezaškrtnuté."));
    EXPECT_EQ(prompts.all[0].icon, Icon::Warning);
    EXPECT_FALSE(box(QStringLiteral("tabTCPrijem_2"))->isChecked());
    EXPECT_FALSE(doc.config().tabTCPrijem[2]);

    prompts.all.clear();
    box(QStringLiteral("tabTCUdalost_2"))->click();
    ASSERT_EQ(prompts.all.size(), 1u);
    EXPECT_EQ(prompts.all[0].text,
              QStringLiteral("Pokud není zadáno telefonní číslo musí být zaškrtávací pole 'Události' nezaškrtnuté."));
    EXPECT_FALSE(box(QStringLiteral("tabTCUdalost_2"))->isChecked());
}

TEST_F(MainWindowTest, EmptiedNumberLosesItsRightsAndNumbersGetTheUtoPrefix)
{
    window.showTab(6);
    auto* number = edit(QStringLiteral("tabTC_0"));
    number->setFocus(Qt::OtherFocusReason);
    settle();
    number->setText(QStringLiteral("602123456"));
    edit(QStringLiteral("tabTC_1"))->setFocus(Qt::OtherFocusReason);
    settle();
    EXPECT_EQ(number->text(), QStringLiteral("+420602123456"));
    box(QStringLiteral("tabTCPrijem_0"))->click();
    box(QStringLiteral("tabTCUdalost_0"))->click();
    ASSERT_TRUE(prompts.all.empty());

    number->setFocus(Qt::OtherFocusReason);
    settle();
    number->clear();
    edit(QStringLiteral("tabTC_1"))->setFocus(Qt::OtherFocusReason);
    settle();
    ASSERT_EQ(prompts.all.size(), 2u);
    EXPECT_TRUE(prompts.all[0].text.contains(QStringLiteral("'Příjem'")));
    EXPECT_TRUE(prompts.all[1].text.contains(QStringLiteral("'Události'")));
    EXPECT_FALSE(doc.config().tabTCPrijem[0]);
    EXPECT_FALSE(doc.config().tabTCUdalost[0]);

    // A decoded image fills rights before numbers: no warnings then.
    doc.setSuppressFieldChecks(true);
    doc.setFlag(*findField("tabTCPrijem"), 3, true);
    doc.setSuppressFieldChecks(false);
    EXPECT_EQ(prompts.all.size(), 2u);
    EXPECT_TRUE(box(QStringLiteral("tabTCPrijem_3"))->isChecked());
}

TEST_F(MainWindowTest, UtoChangesOnlyAffectNumbersLeftAfterwards)
{
    window.showTab(6);
    auto* number = edit(QStringLiteral("tabTC_0"));
    number->setFocus(Qt::OtherFocusReason);
    settle();
    number->setText(QStringLiteral("0602123456"));
    box(QStringLiteral("tabUTOEnable"))->click(); // off
    EXPECT_FALSE(doc.editor().tabUTOEnable);
    EXPECT_EQ(number->text(), QStringLiteral("0602123456"));
    edit(QStringLiteral("tabTC_1"))->setFocus(Qt::OtherFocusReason);
    settle();
    EXPECT_EQ(number->text(), QStringLiteral("0602123456"));

    auto* uto = edit(QStringLiteral("tabUTO"));
    uto->setFocus(Qt::OtherFocusReason);
    settle();
    uto->setText(QStringLiteral("+4a"));
    number->setFocus(Qt::OtherFocusReason);
    settle();
    ASSERT_EQ(prompts.all.size(), 1u);
    EXPECT_EQ(prompts.all[0].text, QStringLiteral("UTO je špatně zadáno."));
    EXPECT_EQ(QApplication::focusWidget(), uto);
    EXPECT_EQ(currentTab(), 6);
}

TEST_F(MainWindowTest, FieldsSelectTheirWholeTextOnFocus)
{
    auto* days = edit(QStringLiteral("tabDobaPlatnostiSMS"));
    window.showTab(1);
    days->setFocus(Qt::OtherFocusReason);
    settle();
    EXPECT_EQ(days->selectedText(), QStringLiteral("3"));
    EXPECT_EQ(days->cursorPosition(), 0);
}

TEST_F(MainWindowTest, PortOptionsAddAndSelect)
{
    window.addPort(QStringLiteral("/dev/pts/7"), true);
    auto* port = child<QComboBox>(QStringLiteral("tabPort"));
    EXPECT_EQ(window.selectedPort(), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(port->itemText(port->count() - 1), QStringLiteral("Virtuální stanice"));
    window.selectPort(MainWindow::virtualStationPort());
    EXPECT_EQ(port->currentText(), QStringLiteral("Virtuální stanice"));
}

TEST_F(MainWindowTest, AboutWindowShowsTheVersions)
{
    auto* about = window.findChild<QDialog*>(QStringLiteral("InfoProgram"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Informace o programu TORVAL"));
    const QString text = about->findChild<QLabel*>(QStringLiteral("Text"))->text();
    EXPECT_EQ(text,
              QStringLiteral("TORVAL verze 1.0\nVerze procesoru zařízení 1.0 a vyšší\nVerze komunikačního "
                             "protokolu 1.15"));
    EXPECT_EQ(about->findChild<QPushButton*>(QStringLiteral("blZavrit"))->text(), QStringLiteral("&Zavřít"));
}

TEST_F(MainWindowTest, ExitWithoutLinkAsksNothing)
{
    QSignalSpy exit(&window, &MainWindow::exitRequested);
    child<QPushButton>(QStringLiteral("btKonec"))->click();
    EXPECT_EQ(exit.count(), 1);
    EXPECT_TRUE(prompts.all.empty());
}

// Every checked field of every tab, found by the name the user's control has,
// left by Tab and by a click elsewhere, the same way whatever kind of control
// it is. A field whose check is bound to another widget (or to an inner widget
// that never hears of the focus leaving) fails here.
TEST_F(MainWindowTest, EveryCheckedFieldIsCheckedHoweverItIsLeft)
{
    // Fields that start disabled only because their option is off.
    doc.setFlag(*findField("opEnablePS1"), 0, true);
    doc.setFlag(*findField("opPowerReport"), 0, true);
    doc.setFlag(*findField("opSwitchReport"), 0, true);
    settle();
    auto* clickTarget = box(QStringLiteral("CheckWrite")); // in the frame, visible on every tab

    struct Target {
        QString name;
        RuleId rule;
        int tab;
    };
    std::vector<Target> targets{{QStringLiteral("tabUTO"), RuleId::Uto, 6}};
    for (const FieldDef& f : configFields()) {
        const RuleId rule = ruleForField(f);
        if (f.kind != FieldKind::Text || rule == RuleId::None)
            continue;
        for (int i = 0; i < f.count; ++i)
            targets.push_back(
                {f.count == 1 ? QString::fromLatin1(f.name) : QStringLiteral("%1_%2").arg(QLatin1String(f.name)).arg(i),
                 rule, f.tabFor(i)});
    }

    enum class Leave { Tab, Click };
    int checked = 0;
    bool sawServiceCentre = false;
    for (const Target& t : targets) {
        auto* w = window.findChild<QWidget*>(t.name);
        ASSERT_NE(w, nullptr) << t.name.toStdString();
        if (!w->isEnabled() || w->isHidden())
            continue; // O2..O8 impulse lengths, O5..O8, C2, the unauthorised-access text: never left by a user
        const QStringList messages = ruleMessages(t.rule);
        for (const Leave how : {Leave::Tab, Leave::Click}) {
            SCOPED_TRACE(t.name.toStdString() + (how == Leave::Tab ? " Tab" : " click"));
            window.showTab(t.tab);
            w->setFocus(Qt::OtherFocusReason);
            settle();
            auto* asLine = qobject_cast<QLineEdit*>(w);
            auto* asCombo = qobject_cast<QComboBox*>(w);
            ASSERT_TRUE(asLine || asCombo);
            const QString before = asLine ? asLine->text() : asCombo->currentText();
            prompts.all.clear();
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(w, QStringLiteral("\"x"));
            if (how == Leave::Tab) {
                QTest::keyClick(w, Qt::Key_Tab);
            } else {
                window.showTab(t.tab == 0 ? 1 : 0); // the click may land on another tab
                QTest::mouseClick(clickTarget, Qt::LeftButton);
            }
            settle();
            const QString after = asLine ? asLine->text() : asCombo->currentText();
            if (messages.isEmpty()) {
                // Rewrite-only numbers: leaving turned the text into a number.
                EXPECT_TRUE(prompts.all.empty());
                EXPECT_NE(after, QStringLiteral("\"x"));
            } else {
                ASSERT_EQ(prompts.all.size(), 1u);
                EXPECT_EQ(prompts.all[0].text, messages.front());
                EXPECT_EQ(prompts.all[0].icon, Icon::Error);
                EXPECT_EQ(currentTab(), t.tab);
                EXPECT_EQ(QApplication::focusWidget(), w);
                EXPECT_EQ(after, QStringLiteral("\"x"));
            }
            // Put the value back and leave quietly before the next field.
            if (asLine)
                asLine->setText(before);
            else
                asCombo->setEditText(before);
            moveFocus(w, clickTarget);
            sawServiceCentre = sawServiceCentre || t.name == QLatin1String("tabTCcentra");
            ++checked;
        }
    }
    EXPECT_TRUE(sawServiceCentre);
    EXPECT_GT(checked, 200);
}

TEST_F(MainWindowTest, ExitWaitsForTheFieldItLeftAndAsksNothingWhileItIsRejected)
{
    QSignalSpy exit(&window, &MainWindow::exitRequested);
    auto* pin = edit(QStringLiteral("tabPIN"));
    auto* konec = child<QPushButton>(QStringLiteral("btKonec"));
    pin->setFocus(Qt::OtherFocusReason);
    settle();
    QTest::keyClicks(pin, QStringLiteral("12a4"));
    QTest::mouseClick(konec, Qt::LeftButton);
    settle();
    ASSERT_EQ(prompts.all.size(), 1u);
    EXPECT_EQ(prompts.all[0].text, QStringLiteral("PIN je špatně zadán."));
    EXPECT_EQ(exit.count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), pin);

    // Once the field is accepted the exit goes on, to the unsaved-edits question
    // (answered Ne) and out.
    pin->setText(QStringLiteral("1234"));
    QTest::mouseClick(konec, Qt::LeftButton);
    settle();
    ASSERT_EQ(prompts.all.size(), 2u);
    EXPECT_EQ(prompts.all[1].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(exit.count(), 1);
}

TEST_F(MainWindowTest, BusyWindowOpensOverTheMainWindow)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)); // placed by the window manager, if there is one
    window.busy().showBusy(QStringLiteral("Program se pokouší navázat komunikaci ..."), true);
    auto* busy = child<QWidget>(QStringLiteral("Info"));
    ASSERT_TRUE(busy->isVisible());
    const QPoint offset = busy->geometry().center() - window.geometry().center();
    EXPECT_LE(offset.manhattanLength(), 4);
    window.busy().hideBusy();
}

} // namespace
