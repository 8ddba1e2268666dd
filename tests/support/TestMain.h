#pragma once
// What every test program does before its tests, whatever its application
// object: the Czech count forms the programs load, and a write history of
// this run instead of the user's.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>
#include <cstdio>
#ifdef Q_OS_WIN
#include <windows.h>
#endif
#include <gmock/gmock.h>

namespace torval::test {

inline int runAllTests(int& argc, char** argv)
{
    // Not a child of the application: a test that removes its translators
    // keeps this one.
    static QTranslator counts;
    if (counts.load(QStringLiteral(":/i18n/torval_cs.qm")))
        QCoreApplication::installTranslator(&counts);
    // Also for the programs the tests start: they inherit the variable.
    QTemporaryDir history;
    if (qEnvironmentVariableIsEmpty("TORVAL_HISTORY_DB"))
        qputenv("TORVAL_HISTORY_DB", history.filePath(QStringLiteral("history.sqlite")).toUtf8());
    ::testing::InitGoogleMock(&argc, argv);
    const int result = RUN_ALL_TESTS();
#ifdef Q_OS_WIN
    // Under Wine a test program whose port threads have come and gone can
    // hang in the process's exit, while the libraries are let go, after
    // every result is out (torval-cli provision, with the same threads,
    // exits normally). Nothing after the results matters to a test program,
    // so it ends here without that step.
    history.remove();
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), UINT(result));
#endif
    return result;
}

} // namespace torval::test
