// The window's row openers with the real dialogs: the modal dialog is
// answered from a timer, as a technician would press its buttons.

#include "model/EepromImage.h"
#include "model/SettingsDocument.h"
#include "support/UserFakes.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace torval;
using test::FakePrompts;

namespace {

struct WindowDialogs : ::testing::Test {
    SettingsDocument doc;
    EepromImage image;
    FakePrompts prompts;
    MainWindow window{doc, image};

    void SetUp() override { window.setPrompts(prompts); }

    // Once the modal dialog is up: type into its first text field (if any
    // text is given) and press the named button.
    void answerDialog(const QString& button, const QString& typed = {}, QString* title = nullptr)
    {
        QTimer::singleShot(0, [button, typed, title] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (title)
                *title = dialog->windowTitle();
            if (!typed.isEmpty()) {
                auto* edit = dialog->findChild<QLineEdit*>();
                edit->selectAll();
                QTest::keyClicks(edit, typed);
            }
            for (auto* b : dialog->findChildren<QPushButton*>())
                if (b->text() == button)
                    b->click();
        });
    }
};

} // namespace

TEST_F(WindowDialogs, PhoneStornoStillTakesRightsFromAnEmptyRow)
{
    doc.setFlag(field(FieldId::tabTCPrijem), 2, true);
    QString title;
    answerDialog("&Storno", "602111222", &title);
    window.EditPhoneNumber(2);
    EXPECT_EQ(title, QStringLiteral("Telefonní číslo T3"));
    EXPECT_EQ(doc.config().tabTC[2], "");
    EXPECT_FALSE(doc.config().tabTCPrijem[2]);
    ASSERT_EQ(prompts.all.size(), 1u);
    EXPECT_EQ(prompts.all[0].icon, Icon::Warning);
}

TEST_F(WindowDialogs, EachOpenerCopiesBackOnOk)
{
    QString title;
    answerDialog("&Ok", "+420777000111", &title);
    window.EditPhoneNumber(0);
    EXPECT_EQ(doc.config().tabTC[0], "+420777000111");

    answerDialog("&Ok", "DVERE", &title);
    window.EditDigitalInput(3);
    EXPECT_EQ(title, QStringLiteral("Vstup I4"));
    EXPECT_EQ(doc.config().tabINPNazev[3], "DVERE");

    answerDialog("&Ok", "SVETLO", &title);
    window.EditDigitalOutput(1);
    EXPECT_EQ(title, QStringLiteral("Výstup O2"));
    EXPECT_EQ(doc.config().tabOUTNazev[1], "SVETLO");

    answerDialog("&Ok", "BATERIE", &title);
    window.EditAnalogInput(7);
    EXPECT_EQ(title, QStringLiteral("Analogový vstup BAT"));
    EXPECT_EQ(doc.config().tabAINNazev[7], "BATERIE");
    EXPECT_TRUE(prompts.all.empty());
}
