#pragma once
// The link's own texts, used verbatim.

#include <QCoreApplication>
#include <QString>

namespace torval::linkmsg {

// Every text is Czech in the source and marked for Qt's translator under the
// context "linkmsg"; text() looks it up, so a translation needs no code change.
inline QString text(const char* source)
{
    return QCoreApplication::translate("linkmsg", source);
}

inline constexpr const char* kCannotOpenPort =
    QT_TRANSLATE_NOOP("linkmsg", "Nelze otevřít port %1."); // the port as typed
inline constexpr const char* kInstruction1 =
    QT_TRANSLATE_NOOP("linkmsg", "Uveďte zařízení do vypnutého stavu (CPU LED svítí trvale).");
inline constexpr const char* kInstruction2 =
    QT_TRANSLATE_NOOP("linkmsg", "Pokud zařízení není vypnuto, vypnete jej stiskem tlačítka 'GSM OFF'.");
inline constexpr const char* kInstruction3 =
    QT_TRANSLATE_NOOP("linkmsg", "Poté připojte konfigurační kabel a potvrďte 'OK'.");
inline constexpr const char* kConnecting = QT_TRANSLATE_NOOP("linkmsg", "Program se pokouší navázat komunikaci ...");
inline constexpr const char* kUnknownDevice = QT_TRANSLATE_NOOP(
    "linkmsg", "Připojené zařízení není známo. Je sice povoleno ho naprogramovat, ale za způsobené chyby není ručeno.");
inline constexpr const char* kOnlyProduct =
    QT_TRANSLATE_NOOP("linkmsg", "Touto verzí programu lze naprogramovat pouze zařízení %1."); // kSupportedProduct
inline constexpr const char* kOnlyVersion = QT_TRANSLATE_NOOP(
    "linkmsg",
    "Touto verzí programu lze naprogramovat pouze zařízení s procesorem verze %1 a vyšší."); // kMinimumVersion
inline constexpr const char* kActivationFailed =
    QT_TRANSLATE_NOOP("linkmsg", "Při pokusu aktivovat spojení nastala chyba.");
inline constexpr const char* kDeactivationFailed =
    QT_TRANSLATE_NOOP("linkmsg",
                      "Při deaktivaci spojení došlo k chybě. Zařízení je zřejmě stále v programovacím módu. Mám přesto "
                      "přejít do 'Neaktivního stavu'?");
inline constexpr const char* kExitQuestion =
    QT_TRANSLATE_NOOP("linkmsg",
                      "Zařízení nebylo deaktivováno a je zřejmě stále v programovacím módu. Má se zařízení před "
                      "ukončením programu deaktivovat?");
inline constexpr const char* kReading = QT_TRANSLATE_NOOP("linkmsg", "Načítám data z EEPROM do PC.");
inline constexpr const char* kWriting = QT_TRANSLATE_NOOP("linkmsg", "Ukládám data z PC do EEPROM.");
// A station that reported a memory size code outside the table has no end
// address for a read.
inline constexpr const char* kUnknownMemorySize =
    QT_TRANSLATE_NOOP("linkmsg", "Velikost paměti připojeného zařízení není známa, data z EEPROM proto nelze načíst.");

inline constexpr const char* kSupportedProduct = "TORVAL";
inline constexpr const char* kMinimumVersion = "1.0";

} // namespace torval::linkmsg
