#pragma once
// Texts of the load and save commands, used verbatim. Texts that are joined
// with a file path are split around it.

namespace torval::cmdmsg {

inline constexpr const char* kLoadingFile = "Načítám nastavení ze souboru '";       // + path + "'."
inline constexpr const char* kSavingFile = "Ukládám nastavení do souboru '";        // + path + "'."
inline constexpr const char* kConverting = "Převádím data ...";
inline constexpr const char* kFileLoadError = "Při načítání nastavení programu ze souboru '"; // + path + kFileErrorEnd
inline constexpr const char* kFileSaveError = "Při ukládání nastavení programu do souboru '"; // + path + kFileErrorEnd
inline constexpr const char* kFileErrorEnd = "' nastala chyba.";
inline constexpr const char* kFileLoaded = "Data ze souboru '";                     // + path + kFileLoadedEnd
inline constexpr const char* kFileLoadedEnd = "' byla úspěšně načtena.";
inline constexpr const char* kFileInvalid = "Data v souboru '";                     // + path + kFileInvalidEnd
inline constexpr const char* kFileInvalidEnd = "' nejsou v pořádku - neodpovídají formátu EEPROM.";
inline constexpr const char* kConversionError = "Nastala chyba při převodu dat.";

inline constexpr const char* kDeviceLoadFailed =
    "Data nebyla úspěšně načtena z EEPROM. Došlo k chybě při načítání bloku dat.";
inline constexpr const char* kDeviceLoadCancelled = "Načtítání dat z EEPROM do PC bylo stornováno.";
inline constexpr const char* kDeviceLoaded = "Data byla úspěšně načtena z EEPROM.";
inline constexpr const char* kDeviceNotProgrammed =
    "Data nebyla úspěšně načtena z EEPROM. EEPROM zřejmě není naprogramována.";
inline constexpr const char* kDeviceSaveFailed =
    "Data nebyla úspěšně uložena do EEPROM. Došlo k chybě při ukládání bloku do EEPROM.";
inline constexpr const char* kDeviceSaveCancelled = "Ukládání dat z PC do EEPROM bylo stornováno.";
inline constexpr const char* kDeviceSaved = "Data byla úspěšně uložena do EEPROM.";
inline constexpr const char* kDeviceConversionError =
    "Data nebyla úspěšně uložena do EEPROM. Nastala chyba při převodu dat z formuláře nastavení.";
inline constexpr const char* kTooLarge = "Velikost dat v nastavení (";         // + usage text
inline constexpr const char* kTooLargeMiddle = ") je větší než je možno vložit do EEPROM ("; // + memory size text
inline constexpr const char* kTooLargeEnd = ").";

// A valid header whose texts lead past the end of the memory, or of the file
// that holds them: the editor keeps its settings rather than taking half of
// them from whatever else the image holds.
inline constexpr const char* kDecodeBeyondEnd =
    "' jsou poškozena - texty nastavení přesahují konec paměti EEPROM. Nastavení zůstalo beze změny.";
inline constexpr const char* kDeviceDecodeBeyondEnd =
    "Data z EEPROM jsou poškozena - texty nastavení přesahují konec paměti EEPROM. Nastavení zůstalo beze změny.";
// The station commands need an active link to a supported station.
inline constexpr const char* kNoActiveLink =
    "Spojení se zařízením není aktivní nebo zařízení nelze programovat.";

} // namespace torval::cmdmsg
