#pragma once
// Texts of the load and save commands, used verbatim. Texts that are joined
// with a file path are split around it.

#include <QCoreApplication>
#include <QString>

namespace torval::cmdmsg {

// Every text is Czech in the source and marked for Qt's translator under the
// context "cmdmsg"; text() looks it up, so a translation needs no code change.
inline QString text(const char* source)
{
    return QCoreApplication::translate("cmdmsg", source);
}

inline constexpr const char* kLoadingFile = QT_TRANSLATE_NOOP("cmdmsg", "Načítám nastavení ze souboru '");       // + path + "'."
inline constexpr const char* kSavingFile = QT_TRANSLATE_NOOP("cmdmsg", "Ukládám nastavení do souboru '");        // + path + "'."
inline constexpr const char* kConverting = QT_TRANSLATE_NOOP("cmdmsg", "Převádím data ...");
inline constexpr const char* kFileLoadError = QT_TRANSLATE_NOOP("cmdmsg", "Při načítání nastavení programu ze souboru '"); // + path + kFileErrorEnd
inline constexpr const char* kFileSaveError = QT_TRANSLATE_NOOP("cmdmsg", "Při ukládání nastavení programu do souboru '"); // + path + kFileErrorEnd
inline constexpr const char* kFileErrorEnd = QT_TRANSLATE_NOOP("cmdmsg", "' nastala chyba.");
inline constexpr const char* kFileLoaded = QT_TRANSLATE_NOOP("cmdmsg", "Data ze souboru '");                     // + path + kFileLoadedEnd
inline constexpr const char* kFileLoadedEnd = QT_TRANSLATE_NOOP("cmdmsg", "' byla úspěšně načtena.");
inline constexpr const char* kFileInvalid = QT_TRANSLATE_NOOP("cmdmsg", "Data v souboru '");                     // + path + kFileInvalidEnd
inline constexpr const char* kFileInvalidEnd = QT_TRANSLATE_NOOP("cmdmsg", "' nejsou v pořádku - neodpovídají formátu EEPROM.");
inline constexpr const char* kConversionError = QT_TRANSLATE_NOOP("cmdmsg", "Nastala chyba při převodu dat.");

inline constexpr const char* kDeviceLoadFailed =
    QT_TRANSLATE_NOOP("cmdmsg", "Data nebyla úspěšně načtena z EEPROM. Došlo k chybě při načítání bloku dat.");
inline constexpr const char* kDeviceLoadCancelled = QT_TRANSLATE_NOOP("cmdmsg", "Načtítání dat z EEPROM do PC bylo stornováno.");
inline constexpr const char* kDeviceLoaded = QT_TRANSLATE_NOOP("cmdmsg", "Data byla úspěšně načtena z EEPROM.");
inline constexpr const char* kDeviceNotProgrammed =
    QT_TRANSLATE_NOOP("cmdmsg", "Data nebyla úspěšně načtena z EEPROM. EEPROM zřejmě není naprogramována.");
inline constexpr const char* kDeviceSaveFailed =
    QT_TRANSLATE_NOOP("cmdmsg", "Data nebyla úspěšně uložena do EEPROM. Došlo k chybě při ukládání bloku do EEPROM.");
inline constexpr const char* kDeviceSaveCancelled = QT_TRANSLATE_NOOP("cmdmsg", "Ukládání dat z PC do EEPROM bylo stornováno.");
inline constexpr const char* kDeviceSaved = QT_TRANSLATE_NOOP("cmdmsg", "Data byla úspěšně uložena do EEPROM.");
inline constexpr const char* kDeviceConversionError =
    QT_TRANSLATE_NOOP("cmdmsg", "Data nebyla úspěšně uložena do EEPROM. Nastala chyba při převodu dat z formuláře nastavení.");
inline constexpr const char* kTooLarge = QT_TRANSLATE_NOOP("cmdmsg", "Velikost dat v nastavení (");         // + usage text
inline constexpr const char* kTooLargeMiddle = QT_TRANSLATE_NOOP("cmdmsg", ") je větší než je možno vložit do EEPROM ("); // + memory size text
inline constexpr const char* kTooLargeEnd = QT_TRANSLATE_NOOP("cmdmsg", ").");

// A valid header whose texts lead past the end of the memory, or of the file
// that holds them: the editor keeps its settings rather than taking half of
// them from whatever else the image holds.
inline constexpr const char* kDecodeBeyondEnd =
    QT_TRANSLATE_NOOP("cmdmsg", "' jsou poškozena - texty nastavení přesahují konec paměti EEPROM. Nastavení zůstalo beze změny.");
inline constexpr const char* kDeviceDecodeBeyondEnd =
    QT_TRANSLATE_NOOP("cmdmsg", "Data z EEPROM jsou poškozena - texty nastavení přesahují konec paměti EEPROM. Nastavení zůstalo beze změny.");
// The station commands need an active link to a supported station.
inline constexpr const char* kNoActiveLink =
    QT_TRANSLATE_NOOP("cmdmsg", "Spojení se zařízením není aktivní nebo zařízení nelze programovat.");

} // namespace torval::cmdmsg
