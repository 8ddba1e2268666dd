#include "CliLoad.h"

#include "CliCommand.h"
#include "storage/CommandMessages.h"
#include "storage/SettingsCommands.h"
#include "storage/SettingsFile.h"

#include <QTextStream>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define TORVAL_ISATTY _isatty
#define TORVAL_FILENO _fileno
#else
#include <unistd.h>
#define TORVAL_ISATTY isatty
#define TORVAL_FILENO fileno
#endif

namespace torval::cli {

QString loadFailedMessage(const QString& path)
{
    return fileLoadFailedMessage(path);
}

QString saveFailedMessage(const QString& path)
{
    return cmdmsg::text(cmdmsg::kFileSaveError) + path + cmdmsg::text(cmdmsg::kFileErrorEnd);
}

QString overwriteRefusedMessage(const QString& path)
{
    return QStringLiteral("Soubor '") + path +
           QStringLiteral("' již existuje a bez terminálu se nelze zeptat, zda ho přepsat. "
                          "Přepsání povolí volba --force.");
}

bool loadImageFile(const QString& path, EepromImage& image, QString& error)
{
    switch (loadSettingsFile(path, image)) {
    case FileLoad::Loaded:
        return true;
    case FileLoad::ReadFailed:
        error = fileLoadFailedMessage(path);
        break;
    case FileLoad::NotAnImage:
        error = fileNotAnImageMessage(path);
        break;
    case FileLoad::Damaged:
        error = fileDamagedMessage(path);
        break;
    }
    return false;
}

void TerminalPrompts::message(const QString& text, Icon)
{
    printErr(text + QLatin1Char('\n'));
}

Answer TerminalPrompts::question(const QString& text, Icon, Buttons buttons)
{
    if (m_force)
        return Answer::Yes;
    if (!TORVAL_ISATTY(TORVAL_FILENO(stdin))) {
        m_refused = true;
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
    printErr(text + QStringLiteral(" [a/n] "));
    QTextStream in(stdin);
    const QString reply = in.readLine().trimmed().toLower();
    if (reply == QLatin1String("a") || reply == QLatin1String("ano") || reply == QLatin1String("y")
        || reply == QLatin1String("yes"))
        return Answer::Yes;
    return Answer::No;
}

} // namespace torval::cli
