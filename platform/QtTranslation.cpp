#include "platform/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace torval {

bool installQtCzechTranslation(QCoreApplication& app)
{
    return installQtCzechTranslation(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool installQtCzechTranslation(QCoreApplication& app, const QString& directory)
{
    // Czech whatever the system's language: the technicians' program is Czech.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                          QStringLiteral("_"), directory)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

bool installProgramTranslation(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale::system(), QStringLiteral("torval"), QStringLiteral("_"),
                          QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace torval
