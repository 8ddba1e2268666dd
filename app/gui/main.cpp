// torval-init: the desktop program. It selects the port chosen last (COM 1 at
// the very first start); --port adds and selects a port, and "--port simulator"
// selects the built-in virtual station. A settings file named after the
// options is loaded once the window is up (a double-clicked .eep).

#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/SettingsDocument.h"
#include "platform/QtEventPump.h"
#include "platform/QtSerialLine.h"
#include "platform/QtTranslation.h"
#include "station/DemoStation.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "ui/MainWindow.h"
#include "platform/PortRouterLine.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>
#include <QTimer>

using namespace torval;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("torval-init"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setOrganizationName(QStringLiteral("TORVAL"));
    // Message-box buttons and Qt's file and print dialogs in Czech.
    (void)installQtCzechTranslation(app);
    (void)installProgramTranslation(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Inicializační program pro zařízení TORVAL"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Sériový port, který se přidá do seznamu a vybere; 'simulator' = virtuální stanice."),
        QStringLiteral("PATH"));
    parser.addOption(portOption);
    parser.addPositionalArgument(QStringLiteral("SOUBOR"), QStringLiteral("Soubor nastavení (*.eep), který se načte po spuštění."),
                                 QStringLiteral("[SOUBOR]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1)
        parser.showHelp(2);

    SettingsDocument document;
    EepromImage image;
    MainWindow window(document, image);

    QtEventPump pump;
    QtSerialLine hardware;
    StationCore station;
    // Programmed as on site, so reading it shows a real configuration.
    (void)programDemoStation(station);
    VirtualSerialLine virtualStation(station, pump);
    PortRouterLine line(hardware, virtualStation, MainWindow::virtualStationPort());
    StationLink link(line, pump, window.prompts(), window.busy());
    window.setLink(&link);
    // The last chosen port and the file dialog's folder; --port overrides the port.
    QSettings remembered;
    window.rememberIn(&remembered);

    if (parser.isSet(portOption)) {
        const QString port = parser.value(portOption);
        if (port == QLatin1String("simulator"))
            window.selectPort(MainWindow::virtualStationPort());
        else
            window.addPort(port, true);
    }

    QObject::connect(&window, &MainWindow::exitRequested, &app, [&app] { app.exit(0); });
    window.show();
    if (!parser.positionalArguments().isEmpty()) {
        // Through the load command and its messages, over the shown window.
        const QString file = parser.positionalArguments().constFirst();
        QTimer::singleShot(0, &window, [&window, file] { (void)window.openFile(file); });
    }
    const int rc = app.exec();
    // The link goes before the window; the window must no longer listen to it.
    window.setLink(nullptr);
    window.rememberIn(nullptr);
    return rc;
}
