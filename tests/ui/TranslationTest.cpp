#include "translations/Language.h"
#include "ui/QtPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace torval;

namespace {

TEST(TranslationTest, QuestionBoxButtonsSpeakCzechAndAMissingFileIsQuiet)
{
    EXPECT_FALSE(installQtCzechTranslation(*qApp, QStringLiteral("/nonexistent/translations")));
    ASSERT_TRUE(installQtCzechTranslation(*qApp));

    // A real question box with all three buttons, read while it is open.
    QtPrompts prompts(nullptr);
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            captions << box->button(b)->text().remove(QLatin1Char('&'));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(prompts.question(QStringLiteral("?"), Icon::Question, Buttons::YesNoCancel), Answer::No);
    EXPECT_EQ(captions, QStringList({QStringLiteral("Ano"), QStringLiteral("Ne"), QStringLiteral("Storno")}));
    // The underlined S of Storno answers to Alt+S.
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        QApplication::setActiveWindow(box);
        QTest::keyClick(box, Qt::Key_S, Qt::AltModifier);
        // The click is animated; should none come, No ends the box.
        QTimer::singleShot(1000, [open = QPointer<QMessageBox>(qobject_cast<QMessageBox*>(box))] {
            if (open)
                open->button(QMessageBox::No)->click();
        });
    });
    EXPECT_EQ(prompts.question(QStringLiteral("?"), Icon::Question, Buttons::YesNoCancel), Answer::Cancel);

    EXPECT_EQ(QCoreApplication::translate("QPrintSettingsOutput", "Double Sided Printing"),
              QStringLiteral("Oboustranný tisk"));
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
              QStringLiteral("Složka"));
    EXPECT_EQ(QCoreApplication::translate("QPrintPropertiesWidget", "Advanced"), QStringLiteral("Rozšířené"));

    // English asked for: the program's texts and the report's, Qt's own left English.
    const QLocale before;
    for (QTranslator* t : qApp->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(t);
    ASSERT_TRUE(installLanguage(*qApp, Language::English));
    EXPECT_EQ(QCoreApplication::translate("MainFrame", "Aktivovat"), QStringLiteral("Activate"));
    EXPECT_EQ(QCoreApplication::translate("PageLayout", "%1. stránka").arg(2), QStringLiteral("Page 2"));
    EXPECT_EQ(QCoreApplication::translate("QPrintPropertiesWidget", "Advanced"), QStringLiteral("Advanced"));

    // The other window tests run as they would without it.
    for (QTranslator* t : qApp->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(t);
    QLocale::setDefault(before);
}

} // namespace
