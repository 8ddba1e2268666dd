#include "CliLoad.h"

#include "CliCommand.h"
#include "commands/CommandMessages.h"
#include "commands/SettingsCommands.h"
#include "files/SettingsFile.h"
#include "model/ConfigJson.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <memory>

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

QString overwriteRefusedMessage(const QString& path)
{
    return QCoreApplication::translate("CliLoad",
                                       "Soubor '%1' již existuje a bez terminálu se nelze zeptat, zda ho přepsat. "
                                       "Přepsání povolí volba --force.")
        .arg(path);
}

bool loadImageFile(const QString& path, EepromImage& image, QString& error)
{
    switch (loadSettingsFile(path, image)) {
    case FileLoad::Loaded: return true;
    case FileLoad::ReadFailed: error = fileLoadFailedMessage(path); break;
    case FileLoad::NotAnImage: error = fileNotAnImageMessage(path); break;
    case FileLoad::Damaged: error = fileDamagedMessage(path); break;
    }
    return false;
}

JsonSettings loadJsonSettings(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, loadFailedMessage(path)};
    const QByteArray json = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, loadFailedMessage(path)};
    const JsonImport imported = configFromJson(json);
    if (!imported.config)
        return {std::nullopt, QCoreApplication::translate("CliLoad", "Soubor '%1': %2").arg(path, imported.error)};
    return {settingsAsStored(*imported.config, imported.editor), {}};
}

bool isJsonPath(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
}

std::optional<DeviceConfig> loadAsStationHolds(const QString& path, QString& error)
{
    auto image = std::make_unique<EepromImage>(); // 64 KiB: kept off the stack
    if (!isJsonPath(path)) {
        // A damaged file is refused: half-decoded settings look whole.
        if (!loadImageFile(path, *image, error))
            return std::nullopt;
        return decodeImage(*image, DeviceConfig{}).config;
    }
    JsonSettings loaded = loadJsonSettings(path);
    if (!loaded.stored) {
        error = loaded.error;
        return std::nullopt;
    }
    if (!loaded.stored->accepted()) {
        error = QCoreApplication::translate("CliLoad", "Soubor '%1' obsahuje nastavení, které editor odmítne:\n%2")
                    .arg(path, findingsText(loaded.stored->refusals).trimmed());
        return std::nullopt;
    }
    // Through the image: two files that would program the same station read
    // the same ("50" and "50,0", the analog steps).
    const DeviceConfig& stored = loaded.stored->config;
    if (encodeImage(stored, *image) != EncodeError::None) {
        error =
            QCoreApplication::translate("CliLoad", "Soubor '%1': nastavení nelze převést do formátu EEPROM.").arg(path);
        return std::nullopt;
    }
    return decodeImage(*image, stored).config;
}

bool sameFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
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
    printErr(text + QCoreApplication::translate("CliLoad", " [a/n] "));
    QTextStream in(stdin);
    const QString reply = in.readLine().trimmed().toLower();
    if (reply == QLatin1String("a") || reply == QLatin1String("ano") || reply == QLatin1String("y")
        || reply == QLatin1String("yes"))
        return Answer::Yes;
    return Answer::No;
}

} // namespace torval::cli
