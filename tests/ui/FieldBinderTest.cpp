#include "ui/MainWindowTestSupport.h"

#include "model/ConfigFields.h"
#include "model/SettingsDocument.h"
#include "rules/NumberRules.h"
#include "ui/FieldBinder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

using namespace torval;
using torval::test::FakePrompts;

namespace {

struct FieldBinderTest : ::testing::Test {
    SettingsDocument doc;
    FakePrompts prompts;
    std::vector<int> tabsShown;
    std::vector<std::pair<RowDialog, int>> dialogsOpened;
    FieldBinder binder{doc,
                       FieldBinder::Hooks{[this]() -> Prompts& { return prompts; },
                                          [this](int tab) { tabsShown.push_back(tab); },
                                          [this](RowDialog d, int row) { dialogsOpened.emplace_back(d, row); }}};
};

// Each kind of bound widget shows what the document holds, whoever set it, and
// writes what the user does into the document.
TEST_F(FieldBinderTest, EveryWidgetKindFollowsTheDocumentBothWays)
{
    QLineEdit pin;
    QCheckBox negate;
    QWidget group; // radio buttons are exclusive among siblings
    auto& off = *new QRadioButton(&group);
    auto& on = *new QRadioButton(&group);
    QComboBox centre;
    centre.setEditable(true);
    QCheckBox utoEnable;
    QLineEdit uto;
    binder.bindText(field(FieldId::tabPIN), 0, &pin);
    binder.bindCheck(field(FieldId::tabINPNeg), 3, &negate);
    binder.bindChoice(field(FieldId::opEnablePS1), &off, &on);
    binder.bindCombo(field(FieldId::tabTCcentra), &centre);
    binder.bindUtoPrefix(&utoEnable, &uto);
    EXPECT_TRUE(off.isChecked()); // the defaults are shown from the start
    EXPECT_EQ(binder.fieldWidget(field(FieldId::tabINPNeg), 3), &negate);
    EXPECT_EQ(binder.fieldWidget(field(FieldId::tabINPNeg), 2), nullptr);

    doc.setText(field(FieldId::tabPIN), 0, QStringLiteral("1234"));
    doc.setFlag(field(FieldId::tabINPNeg), 3, true);
    doc.setFlag(field(FieldId::opEnablePS1), 0, true);
    doc.setText(field(FieldId::tabTCcentra), 0, QStringLiteral("+420603052000"));
    EditorSettings e = doc.editor();
    e.tabUTOEnable = true;
    e.tabUTO = QStringLiteral("0");
    doc.setEditorSettings(e);
    EXPECT_EQ(pin.text(), QStringLiteral("1234"));
    EXPECT_TRUE(negate.isChecked());
    EXPECT_TRUE(on.isChecked());
    EXPECT_FALSE(off.isChecked());
    EXPECT_EQ(centre.currentText(), QStringLiteral("+420603052000"));
    EXPECT_TRUE(utoEnable.isChecked());
    EXPECT_EQ(uto.text(), QStringLiteral("0"));

    doc.setFlag(field(FieldId::opEnablePS1), 0, false);
    EXPECT_TRUE(off.isChecked());

    pin.setText(QStringLiteral("4321"));
    negate.setChecked(false);
    on.setChecked(true);
    centre.setEditText(QStringLiteral("+420608005681"));
    utoEnable.setChecked(false);
    uto.setText(QStringLiteral("9"));
    EXPECT_EQ(doc.config().tabPIN, QStringLiteral("4321"));
    EXPECT_FALSE(doc.config().tabINPNeg[3]);
    EXPECT_TRUE(doc.config().opEnablePS1);
    EXPECT_EQ(doc.config().tabTCcentra, QStringLiteral("+420608005681"));
    EXPECT_FALSE(doc.editor().tabUTOEnable);
    EXPECT_EQ(doc.editor().tabUTO, QStringLiteral("9"));
}

// Leaving a field runs its rule: a refused value gives one error message and
// brings its tab to the front, keeping what was typed; an accepted one is
// rewritten in the document and the widget. Double clicks open the row's dialog.
TEST_F(FieldBinderTest, LeavingAFieldRunsItsRule)
{
    QLineEdit days;
    QLineEdit input;
    binder.bindText(field(FieldId::tabDobaPlatnostiSMS), 0, &days);
    binder.bindText(field(FieldId::tabINPNazev), 5, &input, RowDialog::Input);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);

    days.setText(QStringLiteral("x"));
    QApplication::sendEvent(&days, &out);
    EXPECT_FALSE(binder.runPendingLeaves());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].icon, Icon::Error);
    EXPECT_EQ(tabsShown, std::vector<int>{1});
    EXPECT_EQ(doc.config().tabDobaPlatnostiSMS, QStringLiteral("x"));
    EXPECT_TRUE(binder.runPendingLeaves()); // each leave is judged once

    const QString rewritten = normalizeSmsValidity(QStringLiteral("99"));
    ASSERT_NE(rewritten, QStringLiteral("99"));
    days.setText(QStringLiteral("99"));
    QApplication::sendEvent(&days, &out);
    EXPECT_TRUE(binder.runPendingLeaves());
    EXPECT_EQ(doc.config().tabDobaPlatnostiSMS, rewritten);
    EXPECT_EQ(days.text(), rewritten);
    EXPECT_EQ(prompts.shown.size(), 1u);

    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(&input, &dbl);
    QApplication::sendEvent(&days, &dbl);
    const std::vector<std::pair<RowDialog, int>> expected{{RowDialog::Input, 5}};
    EXPECT_EQ(dialogsOpened, expected);
}

} // namespace
