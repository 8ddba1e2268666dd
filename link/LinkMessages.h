#pragma once
// The link's own texts, used verbatim.

namespace torval::linkmsg {

inline constexpr const char* kCannotOpenPort = "Nelze otevřít port "; // + port text + "."
inline constexpr const char* kInstruction1 = "Uveďte zařízení do vypnutého stavu (CPU LED svítí trvale).";
inline constexpr const char* kInstruction2 = "Pokud zařízení není vypnuto, vypnete jej stiskem tlačítka 'GSM OFF'.";
inline constexpr const char* kInstruction3 = "Poté připojte konfigurační kabel a potvrďte 'OK'.";
inline constexpr const char* kConnecting = "Program se pokouší navázat komunikaci ...";
inline constexpr const char* kUnknownDevice =
    "Připojené zařízení není známo. Je sice povoleno ho naprogramovat, ale za způsobené chyby není ručeno.";
inline constexpr const char* kOnlyProduct = "Touto verzí programu lze naprogramovat pouze zařízení "; // + "TORVAL" + "."
inline constexpr const char* kOnlyVersion =
    "Touto verzí programu lze naprogramovat pouze zařízení s procesorem verze "; // + "1.0" + " a vyšší."
inline constexpr const char* kOnlyVersionEnd = " a vyšší.";
inline constexpr const char* kActivationFailed = "Při pokusu aktivovat spojení nastala chyba.";
inline constexpr const char* kDeactivationFailed =
    "Při deaktivaci spojení došlo k chybě. Zařízení je zřejmě stále v programovacím módu. Mám přesto přejít do 'Neaktivního stavu'?";
inline constexpr const char* kExitQuestion =
    "Zařízení nebylo deaktivováno a je zřejmě stále v programovacím módu. Má se zařízení před ukončením programu deaktivovat?";
inline constexpr const char* kReading = "Načítám data z EEPROM do PC.";
inline constexpr const char* kWriting = "Ukládám data z PC do EEPROM.";
// A station that reported a memory size code outside the table has no end
// address for a read.
inline constexpr const char* kUnknownMemorySize =
    "Velikost paměti připojeného zařízení není známa, data z EEPROM proto nelze načíst.";

inline constexpr const char* kSupportedProduct = "TORVAL";
inline constexpr const char* kMinimumVersion = "1.0";

} // namespace torval::linkmsg
