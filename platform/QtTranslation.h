#pragma once
// Qt's own texts in Czech: the standard buttons of the message boxes ("Ano",
// "Ne", "Storno"), the file and print dialogs and their error messages. The
// program's own texts are Czech in the source and pass through the same
// translator, so another language needs a .qm file, not a code change.

class QCoreApplication;
class QString;

namespace torval {

// Loads qtbase_cs.qm from Qt's translation directory (or from `directory`
// when given) and installs it on `app`. False, quietly, when the file is not
// there: Qt then keeps its English texts. The few texts Qt's catalogue
// lacks (":/i18n/torval_qt_cs.qm", built into torval-init) are installed
// after it when the program carries them.
bool installQtCzechTranslation(QCoreApplication& app);
bool installQtCzechTranslation(QCoreApplication& app, const QString& directory);

// A translation of the program's own texts, "torval_<language>.qm" for the
// system's language, from the "translations" folder beside the program.
// None ships: without the file the texts stay Czech. Installed after Qt's,
// so it wins where both translate the same text.
bool installProgramTranslation(QCoreApplication& app);

} // namespace torval
