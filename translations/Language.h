#pragma once
// The language the programs speak. The texts are Czech in the source and
// Czech is what every program speaks unless told otherwise, whatever the
// system's language: the technicians' program is Czech. English, for
// technicians abroad, is chosen explicitly (--language en, or in the window,
// which remembers it). The catalogues are built into the programs.

#include <QStringList>
#include <optional>

class QCoreApplication;

namespace torval {

enum class Language { Czech, English };

// "cs" and "en", as typed after --language.
[[nodiscard]] QString languageCode(Language language);
[[nodiscard]] std::optional<Language> languageFromCode(const QString& code);

// --language in a program's arguments, found before any parser exists: the
// parser's own texts already speak the chosen language.
struct LanguageOption {
    bool given = false;
    std::optional<Language> language; // empty when given with a wrong value
    QString value;                    // as typed
};
[[nodiscard]] LanguageOption languageOption(const QStringList& arguments);
[[nodiscard]] QStringList argumentList(int argc, char** argv);

// The option's name and value name for the programs' parsers and help.
[[nodiscard]] QString languageOptionName();
[[nodiscard]] QString languageOptionHelp();

// Installs the catalogues of `language` on `app` (and makes it the default
// locale for the window's dialogs): Czech adds Qt's own Czech texts for
// the message boxes and the file and print dialogs, English leaves Qt in
// English. False when a catalogue the language needs is missing.
bool installLanguage(QCoreApplication& app, Language language);

// Qt's Czech catalogue (qtbase_cs.qm) from Qt's translation directory, or
// from `directory` when given; false, quietly, when it is not there (Qt
// then keeps its English texts). The few texts Qt's catalogue lacks follow
// it from the program's own resources.
bool installQtCzechTranslation(QCoreApplication& app);
bool installQtCzechTranslation(QCoreApplication& app, const QString& directory);

} // namespace torval
