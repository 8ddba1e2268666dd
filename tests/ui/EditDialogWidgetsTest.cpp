// The four dialogs' widgets offscreen: OK copies the row back, Storno, Esc
// and the close box copy nothing and never show a field message. Set
// TORVAL_SCREENSHOT_DIR to also save a picture of each dialog.

#include "model/SettingsDocument.h"
#include "support/UserFakes.h"
#include "ui/AnalogDialog.h"
#include "ui/GraphWidget.h"
#include "ui/InputDialog.h"
#include "ui/OutputDialog.h"
#include "ui/PhoneDialog.h"
#include "ui/PhoneDialogLogic.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

using namespace torval;
using test::FakePrompts;

namespace {

void showAndActivate(QDialog& d)
{
    d.show();
    QApplication::setActiveWindow(&d);
    QCoreApplication::processEvents();
}

void typeInto(QLineEdit* e, const QString& text)
{
    e->setFocus(Qt::TabFocusReason);
    e->selectAll();
    QTest::keyClicks(e, text);
}

// Moves the focus on (the field is left) and lets the deferred check run.
void leave(QWidget* next)
{
    next->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void screenshot(QWidget& w, const char* name)
{
    const QByteArray dir = qgetenv("TORVAL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name))));
}

// The colour of the plot near its left edge (clear of the centred state
// names) at the value 50 of a 0..100 input: the plot spans x 1600..3395 and
// y 200..2335 twips, at the dialog's twips per pixel.
QColor plotColourAt50(GraphWidget& graph)
{
    const QImage image = graph.grab().toImage();
    const int x = (1600 + 300) / kDialogTwipsPerPixel;
    const int y = (2335 - 2135 / 2) / kDialogTwipsPerPixel;
    return image.pixelColor(x * image.width() / graph.width(), y * image.height() / graph.height());
}

} // namespace

TEST(PhoneDialogWidget, OkCopiesTheNormalisedNumberStornoNothing)
{
    SettingsDocument doc;
    FakePrompts prompts;
    PhoneDialogLogic logic(doc, prompts);
    logic.open(2);
    {
        PhoneDialog d(logic, nullptr);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Telefonní číslo T3"));
        showAndActivate(d);
        typeInto(d.numberEdit(), "0602111222");
        leave(d.receiveBox());
        EXPECT_EQ(d.numberEdit()->text(), "+420602111222");
        d.receiveBox()->setChecked(true);
        screenshot(d, "dialog-phone.png");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    logic.finish();
    EXPECT_EQ(doc.config().tabTC[2], "+420602111222");
    EXPECT_TRUE(doc.config().tabTCPrijem[2]);

    // Storno while a bad number is in the field: no message, nothing copied.
    logic.open(2);
    {
        PhoneDialog d(logic, nullptr);
        showAndActivate(d);
        typeInto(d.numberEdit(), "12 34");
        QTest::mouseClick(d.stornoButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Rejected);
    }
    logic.finish();
    EXPECT_EQ(doc.config().tabTC[2], "+420602111222");
    EXPECT_TRUE(prompts.all.empty());
}

TEST(InputDialogWidget, OkCopiesEscCopiesNothing)
{
    SettingsDocument doc;
    DeviceConfig c = doc.config();
    c.opEnablePS1 = true;
    doc.assignAll(c);
    FakePrompts prompts;
    InputDialogLogic logic(doc, prompts);
    using T = InputDialogLogic::Text;
    using F = InputDialogLogic::Flag;

    logic.open(3);
    {
        InputDialog d(logic, nullptr);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Vstup I4"));
        showAndActivate(d);
        EXPECT_FALSE(d.box(F::LHAlarm)->isEnabled());
        d.box(F::LHEvent)->setChecked(true);
        EXPECT_TRUE(d.box(F::LHAlarm)->isEnabled());
        d.box(F::LHAlarm)->setChecked(true);
        typeInto(d.edit(T::Zap), "ZAP");
        typeInto(d.edit(T::Vyp), "zap");
        leave(d.edit(T::LH));
        ASSERT_EQ(prompts.all.size(), 1u);
        EXPECT_EQ(prompts.all[0].text, QStringLiteral("Název 'Vypnuto' nesmí být stejný jako název 'Zapnuto'."));
        EXPECT_TRUE(d.edit(T::Vyp)->hasFocus());
        d.edit(T::Vyp)->setText("VYP");
        typeInto(d.edit(T::Nazev), "DVERE");
        screenshot(d, "dialog-input.png");
        QTest::keyClick(d.edit(T::Nazev), Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    logic.finish();
    EXPECT_EQ(doc.config().tabINPNazev[3], "DVERE");
    EXPECT_EQ(doc.config().tabINPVyp[3], "VYP");
    EXPECT_TRUE(doc.config().eeMaskDInLHAlarm[3]);

    prompts.clear();
    logic.open(3);
    {
        InputDialog d(logic, nullptr);
        showAndActivate(d);
        typeInto(d.edit(T::Nazev), "st"); // a keyword prefix, but the dialog is being cancelled
        QTest::keyClick(d.edit(T::Nazev), Qt::Key_Escape);
        QCoreApplication::processEvents();
        EXPECT_FALSE(d.isVisible());
    }
    logic.finish();
    EXPECT_EQ(doc.config().tabINPNazev[3], "DVERE");
    EXPECT_TRUE(prompts.all.empty());
}

TEST(OutputDialogWidget, OkCopiesTheRowAndChosenFunctionCloseBoxNothing)
{
    SettingsDocument doc;
    FakePrompts prompts;
    OutputDialogLogic logic(doc, prompts);
    using T = OutputDialogLogic::Text;

    logic.open(0);
    {
        OutputDialog d(logic, nullptr);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Výstup O1"));
        showAndActivate(d);
        EXPECT_TRUE(d.edit(T::ImpulsLen)->isVisible());
        EXPECT_TRUE(d.functionButton(OutputFunction::Standard)->isChecked());
        EXPECT_FALSE(d.functionButton(OutputFunction::PowerSaveState)->isEnabled());
        typeInto(d.edit(T::ImpulsLen), "30");
        leave(d.edit(T::Nazev));
        EXPECT_EQ(d.edit(T::ImpulsLen)->text(), "25,5");
        d.functionButton(OutputFunction::ModemState)->click();
        typeInto(d.edit(T::Nazev), "CERPADLO");
        screenshot(d, "dialog-output.png");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    logic.finish();
    EXPECT_EQ(doc.config().tabOUTNazev[0], "CERPADLO");
    EXPECT_EQ(doc.config().tabOUTimpulsLEN[0], "25,5");
    EXPECT_EQ(doc.config().eeMaskDOutFnc, 0x01);

    logic.open(1);
    {
        OutputDialog d(logic, nullptr);
        showAndActivate(d);
        EXPECT_FALSE(d.edit(T::ImpulsLen)->isVisible());
        typeInto(d.edit(T::Impuls), "NO");
        d.close(); // the close box
        QCoreApplication::processEvents();
    }
    logic.finish();
    EXPECT_EQ(doc.config().tabOUTimpuls[1], "");
    EXPECT_TRUE(prompts.all.empty());
}

TEST(AnalogDialogWidget, OkRefusesOverlapThenCopiesStornoNothing)
{
    SettingsDocument doc;
    DeviceConfig c = doc.config();
    c.eeMaskAInAlarm[0] = 0xF0;
    doc.assignAll(c);
    FakePrompts prompts;
    AnalogDialogLogic logic(doc, prompts);
    using T = AnalogDialogLogic::Text;
    using F = AnalogDialogLogic::Flag;

    logic.open(0);
    {
        AnalogDialog d(logic, nullptr);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Analogový vstup A1"));
        showAndActivate(d);
        typeInto(d.edit(T::Nazev), "TLAK");
        typeInto(d.edit(T::CL1Level), "12,34");
        leave(d.edit(T::HCL1Level));
        EXPECT_EQ(d.edit(T::CL1Level)->text(), "12,2");
        for (auto [t, v] :
             {std::pair{T::CL1Level, "40"}, {T::HCL1Level, "20"}, {T::CL2Level, "60"}, {T::HCL2Level, "20"}})
            d.edit(t)->setText(v);
        d.edit(T::StateL)->setText("nizky");
        d.edit(T::StateM)->setText("normal");
        d.edit(T::StateH)->setText("vysoky");
        screenshot(d, "dialog-analog-overlap.png");
        // The graph follows the fields as they are typed: the bands overlap
        // around 50 %, drawn red across the middle of the plot.
        EXPECT_EQ(plotColourAt50(*d.graph()), QColor(Qt::red));
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        ASSERT_EQ(prompts.all.size(), 1u);
        EXPECT_EQ(prompts.all[0].text, QStringLiteral("Hodnoty CL1, HCL1, CL2, HCL2 jsou chybně zadány."));
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(d.edit(T::CL1Level)->hasFocus());

        for (auto [t, v] :
             {std::pair{T::CL1Level, "20"}, {T::HCL1Level, "2"}, {T::CL2Level, "80"}, {T::HCL2Level, "2"}})
            d.edit(t)->setText(v);
        d.box(F::CL1UpEvent)->setChecked(true);
        d.box(F::AlarmCL1Up)->setChecked(true);
        EXPECT_FALSE(d.box(F::AlarmCL1Up)->isEnabled()); // power saving is off
        screenshot(d, "dialog-analog.png");
        EXPECT_EQ(plotColourAt50(*d.graph()), QColor(Qt::blue));
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    logic.finish();
    EXPECT_EQ(doc.config().tabAINNazev[0], "TLAK");
    EXPECT_EQ(doc.config().tabAINCL2Level[0], "80");
    EXPECT_EQ(doc.config().eeMaskAInAlarm[0], 0xF1);

    prompts.clear();
    logic.open(0);
    {
        AnalogDialog d(logic, nullptr);
        showAndActivate(d);
        typeInto(d.edit(T::Nazev), QStringLiteral("Tlak \"P1\""));
        d.edit(T::CL2Level)->setText("10");
        QTest::mouseClick(d.stornoButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    logic.finish();
    EXPECT_EQ(doc.config().tabAINNazev[0], "TLAK");
    EXPECT_EQ(doc.config().tabAINCL2Level[0], "80");
    EXPECT_TRUE(prompts.all.empty());
}

// Each dialog opens with the focus in its first text field, and Tab walks
// every control it can reach (Storno included) in the order of the layout:
// down the dialog, left to right within a row, a column to the right of
// everything before it only once the column before is done.
TEST(EditDialogWidgets, OpenInTheFirstFieldAndTabFollowsTheLayout)
{
    SettingsDocument doc;
    doc.setFlag(*findField("opEnablePS1"), 0, true); // the "odeslat ihned" boxes can take the focus
    doc.setFlag(*findField("tabINPLHEvent"), 0, true);
    FakePrompts prompts;
    PhoneDialogLogic phone(doc, prompts);
    InputDialogLogic input(doc, prompts);
    OutputDialogLogic output(doc, prompts);
    AnalogDialogLogic analog(doc, prompts);
    phone.open(0);
    input.open(0);
    output.open(0);
    analog.open(0);
    PhoneDialog phoneDialog(phone, nullptr);
    InputDialog inputDialog(input, nullptr);
    OutputDialog outputDialog(output, nullptr);
    AnalogDialog analogDialog(analog, nullptr);
    const std::pair<EditDialogFrame*, QWidget*> cases[] = {
        {&phoneDialog, phoneDialog.numberEdit()},
        {&inputDialog, inputDialog.edit(InputDialogLogic::Text::Nazev)},
        {&outputDialog, outputDialog.edit(OutputDialogLogic::Text::Nazev)},
        {&analogDialog, analogDialog.edit(AnalogDialogLogic::Text::Nazev)},
    };
    for (auto [d, first] : cases) {
        SCOPED_TRACE(d->windowTitle().toStdString());
        showAndActivate(*d);
        ASSERT_EQ(QApplication::focusWidget(), first);

        QList<QWidget*> reachable;
        for (QWidget* w : d->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
                // Tab enters a group of options at its chosen one; arrows move within.
                if (auto* r = qobject_cast<QRadioButton*>(w); r && !r->isChecked())
                    continue;
                reachable << w;
            }
        QList<QWidget*> walked{first};
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCoreApplication::processEvents();
            if (QApplication::focusWidget() == first)
                break;
            walked << QApplication::focusWidget();
        }
        EXPECT_EQ(QSet<QWidget*>(walked.begin(), walked.end()), QSet<QWidget*>(reachable.begin(), reachable.end()));
        EXPECT_EQ(walked.mid(walked.size() - 2), QList<QWidget*>({d->okButton(), d->stornoButton()}));

        int rightmost = 0;
        for (qsizetype i = 1; i < walked.size(); ++i) {
            const QRect a(walked[i - 1]->mapTo(d, QPoint()), walked[i - 1]->size());
            const QRect b(walked[i]->mapTo(d, QPoint()), walked[i]->size());
            rightmost = std::max(rightmost, a.right());
            const bool sameRow = std::abs(a.center().y() - b.center().y()) <= 6;
            const bool inOrder =
                sameRow ? b.left() > a.left() : (b.center().y() > a.center().y() || b.left() > rightmost);
            EXPECT_TRUE(inOrder) << i << ": " << walked[i]->metaObject()->className();
        }
        d->reject();
        EXPECT_TRUE(prompts.all.empty());
    }
}

// The analog dialog keeps the original fixed grid; with the desktop's own
// font every caption must still get its full width inside its frame.
TEST(AnalogDialogWidget, NoCaptionIsClippedWithTheDesktopFont)
{
    SettingsDocument doc;
    FakePrompts prompts;
    AnalogDialogLogic logic(doc, prompts);
    logic.open(kBatteryInput);
    {
        AnalogDialog d(logic, nullptr);
        showAndActivate(d);
        int checked = 0;
        int leaders = 0;
        for (QWidget* w : d.findChildren<QWidget*>()) {
            auto* l = qobject_cast<QLabel*>(w);
            auto* b = qobject_cast<QCheckBox*>(w);
            if (!l && !b)
                continue;
            const QString text = l ? l->text() : b->text();
            if (text.isEmpty())
                continue;
            ++checked;
            // The state captions lead to their fields with a dotted row, not one cut dot.
            leaders += text.contains(QStringLiteral(" .....")) && text.endsWith(QLatin1Char('.')) ? 1 : 0;
            EXPECT_GE(w->width(), w->sizeHint().width()) << text.toStdString();
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << text.toStdString();
        }
        EXPECT_GE(checked, 20);
        EXPECT_EQ(leaders, 3);
        QTest::mouseClick(d.stornoButton(), Qt::LeftButton);
    }
    logic.finish();
}
