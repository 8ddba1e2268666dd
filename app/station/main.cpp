// torval-station: a simulated station on a pseudo-terminal, for trying the
// program without hardware and for reliability tests with injected faults.

#include "station/PtyStation.h"
#include "station/StationCore.h"
#include "translations/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace torval;

namespace {

PtyStation* g_station = nullptr;

extern "C" void onSignal(int)
{
    if (g_station)
        g_station->stop();
}

// A wrong command line: what is wrong, where to look, exit 2 (as torval-cli).
int usageError(const QString& text)
{
    const QString hint = QCoreApplication::translate("main", "Nápověda: torval-station --help");
    std::fprintf(stderr, "torval-station: %s\n%s\n", text.toUtf8().constData(), hint.toUtf8().constData());
    return 2;
}

// Qt's own parser texts are English; the option is named here as typed.
QString parseError(const QCommandLineParser& p, const QStringList& args)
{
    const QStringList unknown = p.unknownOptionNames();
    if (!unknown.isEmpty()) {
        for (const QString& a : args)
            if (a.startsWith(QLatin1Char('-')) && a.section(QLatin1Char('='), 0, 0).endsWith(unknown.first()))
                return QCoreApplication::translate("main", "Neznámá volba '%1'.")
                    .arg(a.section(QLatin1Char('='), 0, 0));
        return QCoreApplication::translate("main", "Neznámá volba '%1'.").arg(unknown.first());
    }
    if (!args.isEmpty() && args.last().startsWith(QLatin1Char('-')))
        return QCoreApplication::translate("main", "Volba '%1' potřebuje hodnotu.").arg(args.last());
    return QCoreApplication::translate("main", "Chybný příkazový řádek (%1).").arg(p.errorText());
}

QString helpText(const QList<QCommandLineOption>& options)
{
    QString s =
        QCoreApplication::translate("main",
                                    "Použití: torval-station [VOLBY]\nSimulovaná stanice TORVAL na pseudoterminálu; "
                                    "vypíše cestu k zařízení a slouží, dokud ji neukončí Ctrl+C.\n\nVolby:\n");
    for (const QCommandLineOption& o : options) {
        QStringList names;
        for (const QString& n : o.names())
            names << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
        QString left = names.join(QStringLiteral(", "));
        if (!o.valueName().isEmpty())
            left += QLatin1Char(' ') + o.valueName();
        QString text = o.description();
        if (!o.defaultValues().isEmpty())
            text += QCoreApplication::translate("main", " (výchozí: %1)").arg(o.defaultValues().join(QLatin1Char(',')));
        s += QStringLiteral("  %1  %2\n").arg(left.leftJustified(26), text);
    }
    return s;
}

int refuse(const QString& text)
{
    std::fprintf(stderr, "torval-station: %s\n", text.toUtf8().constData());
    return 1;
}

// The target of a symbolic link; empty when the path is no symbolic link.
QByteArray linkTarget(const QByteArray& path)
{
    char buf[4096];
    const ssize_t n = ::readlink(path.constData(), buf, sizeof buf - 1);
    return n > 0 ? QByteArray(buf, qsizetype(n)) : QByteArray();
}

// A link left by an earlier run points at a pseudo-terminal.
bool isOwnLink(const QByteArray& path)
{
    return linkTarget(path).startsWith("/dev/pts/");
}

bool parseProbability(const QString& text, double& out)
{
    bool ok = false;
    out = text.toDouble(&ok);
    return ok && out >= 0 && out <= 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("torval-station"));
    const LanguageOption languageGiven = languageOption(QCoreApplication::arguments());
    (void)installLanguage(app, languageGiven.language.value_or(Language::Czech));
    QCommandLineParser p;
    const QCommandLineOption language(languageOptionName(), languageOptionHelp(), QStringLiteral("cs|en"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Vypíše tuto nápovědu."));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QCoreApplication::translate("main", "Symbolický odkaz na zařízení."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption image(QStringLiteral("image"),
                                   QCoreApplication::translate("main", "Počáteční obsah paměti."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QCoreApplication::translate("main", "Paměť se uloží po každém zápisu."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption product(QStringLiteral("product"),
                                     QCoreApplication::translate("main", "Kód výrobku B2,B1,B0."),
                                     QStringLiteral("B2,B1,B0"), QStringLiteral("25,211,130"));
    const QCommandLineOption version(QStringLiteral("version"), QCoreApplication::translate("main", "Verze procesoru."),
                                     QStringLiteral("MAJOR.MINOR"), QStringLiteral("1.0"));
    const QCommandLineOption memory(QStringLiteral("memory-code"),
                                    QCoreApplication::translate("main", "Kód velikosti paměti."), QStringLiteral("N"),
                                    QStringLiteral("4"));
    const QCommandLineOption modem(QStringLiteral("modem-code"),
                                   QCoreApplication::translate("main", "Kód typu modemu."), QStringLiteral("N"),
                                   QStringLiteral("4"));
    const QCommandLineOption helloAfter(
        QStringLiteral("hello-after"),
        QCoreApplication::translate("main", "Odpoví na Hello až od N-tého pokusu (0: nikdy)."), QStringLiteral("N"),
        QStringLiteral("1"));
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  QCoreApplication::translate("main", "Časování bajtů jako na lince této rychlosti."),
                                  QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption corrupt(QStringLiteral("corrupt"),
                                     QCoreApplication::translate("main", "Pravděpodobnost poškozené odpovědi."),
                                     QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption drop(QStringLiteral("drop"),
                                  QCoreApplication::translate("main", "Pravděpodobnost chybějící odpovědi."),
                                  QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption badReadback(QStringLiteral("bad-readback"),
                                         QCoreApplication::translate("main", "Pravděpodobnost chybných dat při čtení."),
                                         QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption hangAfter(QStringLiteral("hang-after"),
                                       QCoreApplication::translate("main", "Po N rámcích přestane odpovídat."),
                                       QStringLiteral("N"), QStringLiteral("-1"));
    const QCommandLineOption ignoreLeave(
        QStringLiteral("ignore-leave"),
        QCoreApplication::translate("main", "Na žádost o ukončení programovacího módu neodpoví."));
    const QCommandLineOption lateMs(
        QStringLiteral("late-ms"),
        QCoreApplication::translate("main", "Každou odpověď na čtení bloku pošle o MS ms později."),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption lateOnce(
        QStringLiteral("late-once"),
        QCoreApplication::translate("main", "Odpověď na první čtení bloku ADRESA pošle o MS ms později."),
        QCoreApplication::translate("main", "ADRESA:MS"));
    const QCommandLineOption replyMs(
        QStringLiteral("reply-ms"),
        QCoreApplication::translate("main", "Každou odpověď pošle po MS ms (MIN-MAX: náhodně v rozmezí)."),
        QStringLiteral("MS[-MS]"), QStringLiteral("0"));
    const QCommandLineOption twiceOnce(
        QStringLiteral("twice-once"),
        QCoreApplication::translate("main", "Na první čtení bloku ADRESA odpoví dvakrát."),
        QCoreApplication::translate("main", "ADRESA"));
    const QCommandLineOption staleOnce(
        QStringLiteral("stale-once"),
        QCoreApplication::translate("main", "Před odpovědí na první čtení bloku ADRESA zopakuje předchozí odpověď."),
        QCoreApplication::translate("main", "ADRESA"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QCoreApplication::translate("main", "Počáteční hodnota náhodných chyb."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QList<QCommandLineOption> options{
        link,        image,     save,        product, version,  memory,  modem,     helloAfter, baud, corrupt,  drop,
        badReadback, hangAfter, ignoreLeave, lateMs,  lateOnce, replyMs, twiceOnce, staleOnce,  seed, language, help};
    p.addOptions(options);
    const QStringList args = QCoreApplication::arguments();
    if (!p.parse(args))
        return usageError(parseError(p, args.mid(1)));
    if (p.isSet(help)) {
        std::fputs(helpText(options).toUtf8().constData(), stdout);
        return 0;
    }
    if (languageGiven.given && !languageGiven.language)
        return usageError(
            QCoreApplication::translate("main", "Neznámý jazyk '%1': zadejte cs nebo en.").arg(languageGiven.value));
    if (!p.positionalArguments().isEmpty())
        return usageError(
            QCoreApplication::translate("main", "Nadbytečný argument '%1'.").arg(p.positionalArguments().first()));

    StationIdentity id;
    const QStringList pb = p.value(product).split(QLatin1Char(','));
    bool ok = pb.size() == 3;
    for (int i = 0; ok && i < 3; ++i) {
        const int v = pb[i].trimmed().toInt(&ok);
        ok = ok && v >= 0 && v <= 255;
        if (ok)
            id.product[std::size_t(2 - i)] = std::uint8_t(v);
    }
    if (!ok)
        return usageError(QCoreApplication::translate("main", "Volba --product potřebuje B2,B1,B0, každé 0 až 255."));
    const QStringList vp = p.value(version).split(QLatin1Char('.'));
    bool okMajor = false, okMinor = false;
    id.versionMajor = vp.value(0).toInt(&okMajor);
    id.versionMinor = vp.value(1).toInt(&okMinor);
    if (vp.size() != 2 || !okMajor || !okMinor || id.versionMajor < 0 || id.versionMajor > 255 || id.versionMinor < 0
        || id.versionMinor > 255)
        return usageError(
            QCoreApplication::translate("main", "Volba --version potřebuje MAJOR.MINOR, každé 0 až 255."));
    bool okMem = false, okModem = false;
    id.memoryCode = p.value(memory).toInt(&okMem);
    id.modemCode = p.value(modem).toInt(&okModem);
    if (!okMem || !okModem || id.memoryCode < 0 || id.memoryCode > 255 || id.modemCode < 0 || id.modemCode > 255)
        return usageError(
            QCoreApplication::translate("main", "Volby --memory-code a --modem-code potřebují číslo 0 až 255."));

    bool okSeed = false;
    StationCore core(id, p.value(seed).toUInt(&okSeed));
    if (!okSeed)
        return usageError(QCoreApplication::translate("main", "Volba --seed potřebuje číslo."));
    StationFaults& f = core.faults();
    bool okNum = false;
    f.helloAfter = p.value(helloAfter).toInt(&okNum);
    if (!okNum)
        return usageError(QCoreApplication::translate("main", "Volba --hello-after potřebuje číslo."));
    f.hangAfter = p.value(hangAfter).toInt(&okNum);
    f.ignoreLeave = p.isSet(ignoreLeave);
    if (!okNum)
        return usageError(QCoreApplication::translate("main", "Volba --hang-after potřebuje číslo."));
    if (!parseProbability(p.value(corrupt), f.corrupt) || !parseProbability(p.value(drop), f.drop)
        || !parseProbability(p.value(badReadback), f.badReadback))
        return usageError(QCoreApplication::translate(
            "main", "Volby --corrupt, --drop a --bad-readback potřebují pravděpodobnost 0 až 1."));
    f.lateReadMs = p.value(lateMs).toInt(&okNum);
    if (!okNum || f.lateReadMs < 0)
        return usageError(QCoreApplication::translate("main", "Volba --late-ms potřebuje počet milisekund."));
    if (p.isSet(lateOnce)) {
        const QStringList lo = p.value(lateOnce).split(QLatin1Char(':'));
        bool okAddr = false, okMs = false;
        f.lateOnceAddress = lo.value(0).toInt(&okAddr);
        f.lateOnceMs = lo.value(1).toInt(&okMs);
        if (lo.size() != 2 || !okAddr || !okMs || f.lateOnceAddress < 0 || f.lateOnceAddress % 8 != 0
            || f.lateOnceMs < 0)
            return usageError(QCoreApplication::translate(
                "main", "Volba --late-once potřebuje ADRESA:MS (adresa bloku je násobek 8)."));
    }
    {
        const QStringList rm = p.value(replyMs).split(QLatin1Char('-'));
        bool okMin = false, okMax = true;
        const int lo = rm.value(0).toInt(&okMin);
        const int hi = rm.size() > 1 ? rm.value(1).toInt(&okMax) : lo;
        if (rm.size() > 2 || !okMin || !okMax || lo < 0 || hi < lo)
            return usageError(QCoreApplication::translate("main", "Volba --reply-ms potřebuje MS nebo MIN-MAX."));
        f.replyDelayMs = lo;
        f.replyJitterMs = hi - lo;
    }
    for (const auto& [opt, target] :
         {std::pair{&twiceOnce, &f.twiceOnceAddress}, std::pair{&staleOnce, &f.staleOnceAddress}}) {
        if (!p.isSet(*opt))
            continue;
        *target = p.value(*opt).toInt(&okNum);
        if (!okNum || *target < 0 || *target % 8 != 0)
            return usageError(QCoreApplication::translate("main", "Volba --%1 potřebuje adresu bloku (násobek 8).")
                                  .arg(opt->names().constFirst()));
    }
    const int baudRate = p.value(baud).toInt(&okNum);
    if (!okNum || baudRate < 0)
        return usageError(QCoreApplication::translate("main", "Volba --baud potřebuje číslo."));

    if (p.isSet(image)) {
        QFile in(p.value(image));
        if (!in.open(QIODevice::ReadOnly))
            return refuse(QCoreApplication::translate("main", "Soubor '%1' nelze přečíst: %2")
                              .arg(p.value(image), in.errorString()));
        const QByteArray b = in.read(qint64(core.memory().size()));
        std::copy(b.begin(), b.end(), core.memory().begin());
    }
    if (p.isSet(save)) {
        const QString path = p.value(save);
        core.onWrite = [&core, path] {
            // Written whole and renamed into place: a reader never sees half a memory.
            QSaveFile out(path);
            if (out.open(QIODevice::WriteOnly)) {
                out.write(reinterpret_cast<const char*>(core.memory().data()), qint64(core.memory().size()));
                (void)out.commit();
            }
        };
    }

    PtyStation station(core);
    if (!station.open()) {
        std::fprintf(stderr, "torval-station: %s\n", station.errorText().toUtf8().constData());
        return 1;
    }
    station.setBaud(baudRate);
    if (p.isSet(link)) {
        const QByteArray l = QFile::encodeName(p.value(link));
        // Only a link this program made (one to a pseudo-terminal) may be
        // replaced; anything else at that path is somebody's file.
        if (QFileInfo(p.value(link)).isSymLink() || QFileInfo::exists(p.value(link))) {
            if (!isOwnLink(l))
                return refuse(QCoreApplication::translate("main",
                                                          "Soubor '%1' již existuje a není odkazem simulované stanice; "
                                                          "nebude nahrazen.")
                                  .arg(p.value(link)));
            ::unlink(l.constData());
        }
        if (::symlink(QFile::encodeName(station.devicePath()).constData(), l.constData()) != 0)
            return refuse(QCoreApplication::translate("main", "Odkaz '%1' nelze vytvořit: %2")
                              .arg(p.value(link), QString::fromLocal8Bit(std::strerror(errno))));
    }
    std::printf("%s\n", station.devicePath().toUtf8().constData());
    std::fflush(stdout);

    g_station = &station;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    station.serve();
    g_station = nullptr;
    if (p.isSet(link)) {
        // Left alone if somebody replaced it meanwhile.
        const QByteArray l = QFile::encodeName(p.value(link));
        if (linkTarget(l) == QFile::encodeName(station.devicePath()))
            ::unlink(l.constData());
    }
    return 0;
}
