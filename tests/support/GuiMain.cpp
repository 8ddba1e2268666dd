#include "support/TestMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Window tests never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return torval::test::runAllTests(argc, argv);
}
