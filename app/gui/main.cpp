// torval-init: the desktop program. It selects the port chosen last (COM 1 at
// the very first start); --port adds and selects a port, and "--port simulator"
// selects the built-in virtual station. A settings file named after the
// options is loaded once the window is up (a double-clicked .eep).

#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/SettingsDocument.h"
#include "platform/PortLine.h"
#include "platform/PortRouterLine.h"
#include "platform/QtEventPump.h"
#include "station/DemoStation.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "translations/Language.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QSettings>
#include <QTimer>

#include <csignal>
#include <cstdio>

using namespace torval;

namespace {

QCommandLineOption portOption()
{
    return {QStringLiteral("port"),
            QCoreApplication::translate(
                "main", "Sériový port, který se přidá do seznamu a vybere; 'simulator' = virtuální stanice."),
            QStringLiteral("PATH")};
}

QCommandLineOption languageOption()
{
    return {languageOptionName(), languageOptionHelp(), QStringLiteral("cs|en")};
}

// Qt's own options keep the words they always had (Qt's catalogue names only
// some of them); added before the program's language is installed.
void addQtOptions(QCommandLineParser& parser)
{
    parser.addHelpOption();
    parser.addVersionOption();
}

void describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate("main", "Inicializační program pro zařízení TORVAL"));
    parser.addOption(portOption());
    parser.addOption(languageOption());
    parser.addPositionalArgument(
        QCoreApplication::translate("main", "SOUBOR"),
        QCoreApplication::translate("main", "Soubor nastavení (*.eep), který se načte po spuštění."),
        QCoreApplication::translate("main", "[SOUBOR]"));
}

// The language: --language for this start, otherwise the one chosen last,
// otherwise Czech. `remember`: the window opens, and keeps a --language for
// the next start (the help and the version only read the choice).
Language chosenLanguage(const LanguageOption& option, bool remember)
{
    QSettings remembered;
    const QString key = QStringLiteral("language");
    if (option.language) {
        if (remember)
            remembered.setValue(key, languageCode(*option.language));
        return *option.language;
    }
    return languageFromCode(remembered.value(key).toString()).value_or(Language::Czech);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("torval-init"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    QCoreApplication::setOrganizationName(QStringLiteral("TORVAL"));
    const QStringList arguments = argumentList(argc, argv);
    const LanguageOption languageGiven = languageOption(arguments);
    {
        // The help, the version and a wrong command line are answered on the
        // terminal before any window exists, so they need no display.
        QCoreApplication terminal(argc, argv);
        QCommandLineParser line;
        addQtOptions(line);
        (void)installLanguage(terminal, chosenLanguage(languageGiven, false));
        describeCommandLine(line);
        if (languageGiven.given && !languageGiven.language) {
            std::fprintf(stderr, "%s\n",
                         qUtf8Printable(QCoreApplication::translate("main", "Neznámý jazyk '%1': zadejte cs nebo en.")
                                            .arg(languageGiven.value)));
            return 2;
        }
        if (!line.parse(arguments) || line.isSet(QStringLiteral("help")) || line.isSet(QStringLiteral("help-all"))
            || line.isSet(QStringLiteral("version")) || line.positionalArguments().size() > 1) {
            line.process(terminal); // ends the program for everything but a second file
            line.showHelp(2);
        }
    }

    // A file-size limit then fails the report's write with its message
    // instead of killing the program in the middle of the technician's work.
    // (Windows has no such signal: a write there just fails.)
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    // Every window of the program, the dialogs included, carries its icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/torval-init.png")));
    QCommandLineParser parser;
    addQtOptions(parser);
    (void)installLanguage(app, chosenLanguage(languageGiven, true));
    describeCommandLine(parser);
    parser.process(app);

    SettingsDocument document;
    EepromImage image;
    MainWindow window(document, image);

    QtEventPump pump;
    PortLine hardware;
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

    if (parser.isSet(portOption())) {
        const QString port = parser.value(portOption());
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
