#pragma once
// Where things lie in the station's EEPROM image. The encoder, the decoder,
// the size estimate, the block transfer and provisioning all take the regions
// from here, so the range a write sends, the range provisioning reads back
// and the bytes no one may write cannot drift apart.
//
//   0 .. 63     header: list pointers, the constant word, magic, checksum
//   64 .. 127   the station's own bytes: never written, kept from the station
//   128 .. 271  the fixed block: flags, masks, levels, pulse lengths
//   272 ..      the text lists, ended by 0xFF 0xFF

namespace torval::layout {

inline constexpr int kImageSize = 65536;
inline constexpr int kBlockSize = 8; // the station reads and writes 8 bytes at a time

inline constexpr int kConstantWord = 42; // always 64
inline constexpr int kMagicAddress = 46; // 9602 = 0x2582
inline constexpr int kMagic = 9602;
inline constexpr int kChecksumAddress = 48; // sum of 0..47 + 1, 13 replaced by 12

inline constexpr int kStationOwnStart = 64;
inline constexpr int kStationOwnEnd = 128; // one past the station's own bytes
inline constexpr int kFixedBlock = 128;
inline constexpr int kTextArea = 272; // the data start: the first text list

// The header blocks a write sends: below the station's own bytes and the
// fixed block after them.
inline constexpr int kHeaderBlockCount =
    (kStationOwnStart + (kTextArea - kStationOwnEnd)) / kBlockSize;

constexpr bool isStationOwn(int address)
{
    return address >= kStationOwnStart && address < kStationOwnEnd;
}

// One past the last byte a station write of settings of `settingsSize` bytes
// sends: the data blocks from kTextArea up to and including the first block
// that starts at or beyond the settings size (before any limit of the
// station's memory).
constexpr int writtenEnd(int settingsSize)
{
    int a = kTextArea;
    while (a < settingsSize)
        a += kBlockSize;
    return a + kBlockSize;
}

static_assert(kStationOwnStart % kBlockSize == 0 && kStationOwnEnd % kBlockSize == 0 && kTextArea % kBlockSize == 0,
              "the regions must fall on block boundaries");
static_assert(writtenEnd(274) == 288 && writtenEnd(280) == 288 && writtenEnd(281) == 296);

} // namespace torval::layout
