#pragma once
// The station's frame format, shared by the PC side and the simulated
// station: payload, checksum, carriage return; data bytes as two ASCII hex
// digits, low nibble first.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace torval {

inline constexpr std::uint8_t kFrameEnd = 13;

// Sum of the payload plus 1, modulo 256; 13 would end the frame early, so
// the station uses 12 in its place.
[[nodiscard]] std::uint8_t frameChecksum(std::span<const std::uint8_t> payload);
[[nodiscard]] std::uint8_t frameChecksum(const QByteArray& payload);

// Payload + checksum + CR, ready for the wire.
[[nodiscard]] QByteArray buildFrame(const QByteArray& payload);

// 0x3A -> 'A','3': low nibble first, capital letters when sending.
[[nodiscard]] std::array<char, 2> hexByte(std::uint8_t value);
void appendHexByte(QByteArray& out, std::uint8_t value);
// Reverse of hexByte; a-f accepted as well. nullopt for any non-hex character.
[[nodiscard]] std::optional<std::uint8_t> decodeHexByte(char low, char high);
// The pair at payload positions pos, pos + 1; nullopt when short or not hex.
[[nodiscard]] std::optional<std::uint8_t> hexByteAt(const QByteArray& payload, int pos);

} // namespace torval
