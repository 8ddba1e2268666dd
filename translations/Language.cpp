#include "translations/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace torval {

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("cs");
}

std::optional<Language> languageFromCode(const QString& code)
{
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("cs"))
        return Language::Czech;
    if (c == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString languageOptionName()
{
    return QStringLiteral("language");
}

QString languageOptionHelp()
{
    return QCoreApplication::translate("Language", "jazyk programu: cs (čeština, výchozí) nebo en (angličtina)");
}

LanguageOption languageOption(const QStringList& arguments)
{
    LanguageOption found;
    const QString name = QStringLiteral("--") + languageOptionName();
    // The program's name first; "--" ends the options.
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString& a = arguments[k];
        if (a == QLatin1String("--"))
            break;
        if (a == name) {
            found.given = true;
            found.value = k + 1 < arguments.size() ? arguments[++k] : QString();
        } else if (a.startsWith(name + QLatin1Char('='))) {
            found.given = true;
            found.value = a.mid(name.size() + 1);
        } else {
            continue;
        }
        found.language = languageFromCode(found.value);
    }
    return found;
}

QStringList argumentList(int argc, char** argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

namespace {

bool installCatalogue(QCoreApplication& app, const QString& resource)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(resource) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

bool installQtCzechTranslation(QCoreApplication& app)
{
    return installQtCzechTranslation(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool installQtCzechTranslation(QCoreApplication& app, const QString& directory)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                          QStringLiteral("_"), directory)) {
        delete translator;
        return false;
    }
    if (!QCoreApplication::installTranslator(translator))
        return false;
    // What Qt's catalogue leaves in English in its file and print dialogs;
    // installed later, so asked first.
    (void)installCatalogue(app, QStringLiteral(":/i18n/torval_qt_cs.qm"));
    return true;
}

bool installLanguage(QCoreApplication& app, Language language)
{
    if (language == Language::English) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        return installCatalogue(app, QStringLiteral(":/i18n/torval_en.qm"));
    }
    // Message-box buttons and Qt's file and print dialogs in Czech, their
    // sizes, dates and file types too. The program's own numbers never go
    // through the locale: the station's decimal point stays a point.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    (void)installQtCzechTranslation(app);
    // The source texts are Czech; the Czech catalogue holds only the forms
    // a count takes (1 znak, 2 znaky, 5 znaků).
    return installCatalogue(app, QStringLiteral(":/i18n/torval_cs.qm"));
}

} // namespace torval
