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
    if (!QCoreApplication::installTranslator(translator))
        return false;
    // What Qt's catalogue leaves in English in its file and print dialogs,
    // from the window program's resources; installed later, so asked first.
    auto* missing = new QTranslator(&app);
    if (missing->load(QStringLiteral(":/i18n/torval_qt_cs.qm")))
        (void)QCoreApplication::installTranslator(missing);
    else
        delete missing;
    return true;
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
