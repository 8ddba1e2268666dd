#include <QCoreApplication>
#include <QTranslator>
#include <QTemporaryDir>
#include <gmock/gmock.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The forms of a Czech count, as the programs load them (not a child
    // of the application: a test that removes its translators keeps it).
    static QTranslator counts;
    if (counts.load(QStringLiteral(":/i18n/torval_cs.qm")))
        QCoreApplication::installTranslator(&counts);
    // The write history of every test (and of the programs they start) goes
    // into a folder of this run, never the user's.
    QTemporaryDir history;
    if (qEnvironmentVariableIsEmpty("TORVAL_HISTORY_DB"))
        qputenv("TORVAL_HISTORY_DB", history.filePath(QStringLiteral("history.sqlite")).toUtf8());
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
