#pragma once
// Values the link hands to the window and the commands: the link state, the
// identification of the station and the outcome of a block transfer, with
// the station's identification tables.

#include <QString>
#include <optional>
#include <span>

namespace torval {

enum class LinkState { Inactive, Active, ActiveWrongDevice };

// The link is up in both active states; only the EEPROM transfers tell them apart.
[[nodiscard]] constexpr bool linkIsUp(LinkState s)
{
    return s != LinkState::Inactive;
}

enum class TransferOutcome { Completed, Failed, Cancelled };

// Identification of the connected station as the information panel shows it;
// every text is "?" while the value is not known.
struct DeviceInfo {
    QString product = QStringLiteral("?");    // from KnownProducts
    QString version = QStringLiteral("?");    // "major.minor", e.g. "1.0"
    QString memorySize = QStringLiteral("?"); // from MemorySizes, e.g. "  1984 byte"
    QString modem = QStringLiteral("?");      // from ModemTypes

    // The number in front of " byte"; nullopt while the text is "?".
    [[nodiscard]] std::optional<int> memorySizeBytes() const;

    bool operator==(const DeviceInfo&) const = default;
};

struct KnownProduct {
    int b2, b1, b0; // product code = 65536*b2 + 256*b1 + b0
    const char* name;
};
struct ModemType {
    int code;
    const char* name;
};

// Memory size codes 0..9: 2^(code+7) - 64 usable bytes, right-aligned in six
// characters followed by " byte".
inline constexpr int kMemorySizeCodes = 10;
[[nodiscard]] std::optional<QString> memorySizeText(int code);
[[nodiscard]] std::optional<QString> productName(int productCode);
[[nodiscard]] std::optional<QString> modemName(int code);

// The number in a memory size text ("  1984 byte" -> 1984); nullopt for "?".
[[nodiscard]] std::optional<int> memorySizeFromText(const QString& text);

} // namespace torval
