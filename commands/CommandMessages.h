#pragma once
// Texts of the load and save commands, used verbatim; %1 stands where the
// file's path goes.

#include <QCoreApplication>
#include <QString>

namespace torval::cmdmsg {

// Every text is Czech in the source and marked for Qt's translator under the
// context "cmdmsg"; text() looks it up, so a translation needs no code change.
inline QString text(const char* source)
{
    return QCoreApplication::translate("cmdmsg", source);
}

inline constexpr const char* kLoadingFile = QT_TRANSLATE_NOOP("cmdmsg", "Načítám nastavení ze souboru '%1'.");
inline constexpr const char* kSavingFile = QT_TRANSLATE_NOOP("cmdmsg", "Ukládám nastavení do souboru '%1'.");
inline constexpr const char* kConverting = QT_TRANSLATE_NOOP("cmdmsg", "Převádím data ...");
inline constexpr const char* kFileLoadError =
    QT_TRANSLATE_NOOP("cmdmsg", "Při načítání nastavení programu ze souboru '%1' nastala chyba.");
inline constexpr const char* kFileSaveError =
    QT_TRANSLATE_NOOP("cmdmsg", "Při ukládání nastavení programu do souboru '%1' nastala chyba.");
inline constexpr const char* kFileLoaded = QT_TRANSLATE_NOOP("cmdmsg", "Data ze souboru '%1' byla úspěšně načtena.");
inline constexpr const char* kFileInvalid =
    QT_TRANSLATE_NOOP("cmdmsg", "Data v souboru '%1' nejsou v pořádku - neodpovídají formátu EEPROM.");
inline constexpr const char* kConversionError = QT_TRANSLATE_NOOP("cmdmsg", "Nastala chyba při převodu dat.");

inline constexpr const char* kDeviceLoadFailed =
    QT_TRANSLATE_NOOP("cmdmsg", "Data nebyla úspěšně načtena z EEPROM. Došlo k chybě při načítání bloku dat.");
inline constexpr const char* kDeviceLoadCancelled =
    QT_TRANSLATE_NOOP("cmdmsg", "Načtítání dat z EEPROM do PC bylo stornováno.");
inline constexpr const char* kDeviceLoaded = QT_TRANSLATE_NOOP("cmdmsg", "Data byla úspěšně načtena z EEPROM.");
inline constexpr const char* kDeviceNotProgrammed =
    QT_TRANSLATE_NOOP("cmdmsg", "Data nebyla úspěšně načtena z EEPROM. EEPROM zřejmě není naprogramována.");
inline constexpr const char* kDeviceSaveFailed =
    QT_TRANSLATE_NOOP("cmdmsg", "Data nebyla úspěšně uložena do EEPROM. Došlo k chybě při ukládání bloku do EEPROM.");
inline constexpr const char* kDeviceSaveCancelled =
    QT_TRANSLATE_NOOP("cmdmsg", "Ukládání dat z PC do EEPROM bylo stornováno.");
inline constexpr const char* kDeviceSaved = QT_TRANSLATE_NOOP("cmdmsg", "Data byla úspěšně uložena do EEPROM.");
inline constexpr const char* kDeviceConversionError = QT_TRANSLATE_NOOP(
    "cmdmsg", "Data nebyla úspěšně uložena do EEPROM. Nastala chyba při převodu dat z formuláře nastavení.");
// The settings' size in bytes, the memory size as the station names it.
inline constexpr const char* kTooLarge =
    QT_TRANSLATE_NOOP("cmdmsg", "Velikost dat v nastavení (%1 byte) je větší než je možno vložit do EEPROM (%2).");

// A valid header whose texts lead past the end of the memory, or of the file
// that holds them: the editor keeps its settings rather than taking half of
// them from whatever else the image holds.
inline constexpr const char* kDecodeBeyondEnd =
    QT_TRANSLATE_NOOP("cmdmsg",
                      "Data v souboru '%1' jsou poškozena - texty nastavení přesahují konec paměti EEPROM. Nastavení "
                      "zůstalo beze změny.");
inline constexpr const char* kDeviceDecodeBeyondEnd = QT_TRANSLATE_NOOP(
    "cmdmsg",
    "Data z EEPROM jsou poškozena - texty nastavení přesahují konec paměti EEPROM. Nastavení zůstalo beze změny.");
// The station commands need an active link to a supported station.
inline constexpr const char* kNoActiveLink =
    QT_TRANSLATE_NOOP("cmdmsg", "Spojení se zařízením není aktivní nebo zařízení nelze programovat.");

} // namespace torval::cmdmsg
