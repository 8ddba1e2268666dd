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
#include <QIcon>
#include <QLocale>
#include <QSettings>
#include <QTimer>

#include <csignal>

using namespace torval;

namespace {

void describeCommandLine(QCommandLineParser& parser, const QCommandLineOption& portOption)
{
    parser.setApplicationDescription(QStringLiteral("Inicializační program pro zařízení TORVAL"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(portOption);
    parser.addPositionalArgument(QStringLiteral("SOUBOR"), QStringLiteral("Soubor nastavení (*.eep), který se načte po spuštění."),
                                 QStringLiteral("[SOUBOR]"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("torval-init"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    QCoreApplication::setOrganizationName(QStringLiteral("TORVAL"));
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Sériový port, který se přidá do seznamu a vybere; 'simulator' = virtuální stanice."),
        QStringLiteral("PATH"));
    {
        // The help, the version and a wrong command line are answered on the
        // terminal before any window exists, so they need no display.
        QCommandLineParser line;
        describeCommandLine(line, portOption);
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        if (!line.parse(arguments) || line.isSet(QStringLiteral("help")) || line.isSet(QStringLiteral("help-all")) ||
            line.isSet(QStringLiteral("version")) || line.positionalArguments().size() > 1) {
            QCoreApplication terminal(argc, argv);
            (void)installQtCzechTranslation(terminal);
            line.process(terminal); // ends the program for everything but a second file
            line.showHelp(2);
        }
    }

    // A file-size limit then fails the report's write with its message
    // instead of killing the program in the middle of the technician's work.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    // Every window of the program, the dialogs included, carries its icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/torval-init.png")));
    // Message-box buttons and Qt's file and print dialogs in Czech, their
    // sizes, dates and file types too, whatever the system's language. The
    // program's own numbers never go through the locale: the station's
    // decimal point stays a point.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    (void)installQtCzechTranslation(app);
    (void)installProgramTranslation(app);

    QCommandLineParser parser;
    describeCommandLine(parser, portOption);
    parser.process(app);

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
