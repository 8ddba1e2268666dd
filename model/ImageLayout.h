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
//
// Which field lies where (the bit, mask, byte or list of each) is the last
// column of the field table (model/ConfigFields.h), written with the place
// makers below; the field table checks at build time that its places and the
// lists here cover each other exactly.

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
inline constexpr int kHeaderBlockCount = (kStationOwnStart + (kTextArea - kStationOwnEnd)) / kBlockSize;

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

// The text lists in the order they follow one another from kTextArea. The
// word at `pointer` holds the address of the list's first entry; every entry
// is its Windows-1250 bytes and a 0. The last list is followed by the end
// marker 0xFF 0xFF. The words at 6 and 44 are no pointers.
enum class ListCoding : unsigned char {
    Plain,
    PhoneAddress, // the SMS address field in hexadecimal characters; an empty number is its 0 alone
};
struct TextList {
    int pointer;
    int entries;
    ListCoding coding = ListCoding::Plain;
};
// clang-format off
inline constexpr TextList kTextLists[] = {
    {0, 8},  {2, 8},  {4, 8},  {8, 8},  {10, 8}, {12, 8}, {14, 8}, {16, 8},
    {18, 8}, {20, 8}, {22, 8}, {24, 8}, {26, 8}, {28, 8}, {30, 8}, {32, 8},
    {34, 8}, {36, 2}, {40, 8, ListCoding::PhoneAddress}, {38, 8},
};
// clang-format on

// Bytes of the fixed block the settings hold at 0 (spare masks between the
// input masks).
inline constexpr int kZeroBytes[] = {134, 136, 138, 140};

// The bytes of the fixed block the settings own; 191..239 and 257..271 are
// left as the station has them.
inline constexpr int kFixedOwnRanges[2][2] = {{128, 190}, {240, 256}};

// How a field is stored: the last column of the field table.
enum class PlaceKind : unsigned char {
    None,           // not in the image by itself (the battery text is the BAT input's CL1-down text)
    List,           // texts: entries of the list whose pointer word is `address`, from entry `bit`
    Bit,            // one flag: the bit `bit` of the byte at `address`
    Mask,           // a row of flags: item i is bit i of the byte at `address`
    Bytes,          // a byte per item from `address`
    Level,          // an analog level per item from `address`, with the input's scale
    Hyst,           // an analog hysteresis per item from `address`, with the input's scale
    Pulse,          // a pulse length per item from `address`
    Validity,       // the SMS validity in days
    PowerSaveHours, // with the PowerSaveMinutes field of the same address: three bytes
    PowerSaveMinutes,
};
struct Place {
    PlaceKind kind = PlaceKind::None;
    int address = 0;
    int bit = 0;
};
constexpr Place nowhere()
{
    return {};
}
constexpr Place inList(int pointer, int firstEntry = 0)
{
    return {PlaceKind::List, pointer, firstEntry};
}
constexpr Place bit(int address, int value)
{
    return {PlaceKind::Bit, address, value};
}
constexpr Place mask(int address)
{
    return {PlaceKind::Mask, address};
}
constexpr Place bytes(int address)
{
    return {PlaceKind::Bytes, address};
}
constexpr Place level(int address)
{
    return {PlaceKind::Level, address};
}
constexpr Place hyst(int address)
{
    return {PlaceKind::Hyst, address};
}
constexpr Place pulse(int address)
{
    return {PlaceKind::Pulse, address};
}
constexpr Place validity(int address)
{
    return {PlaceKind::Validity, address};
}
constexpr Place powerSaveHours(int address)
{
    return {PlaceKind::PowerSaveHours, address};
}
constexpr Place powerSaveMinutes(int address)
{
    return {PlaceKind::PowerSaveMinutes, address};
}

// How many bytes of the fixed block a place of `items` items takes (0 for
// lists and the minutes half of a power-save time).
constexpr int fixedBytes(Place p, int items)
{
    switch (p.kind) {
    case PlaceKind::Bit:
    case PlaceKind::Mask:
    case PlaceKind::Validity: return 1;
    case PlaceKind::Bytes:
    case PlaceKind::Level:
    case PlaceKind::Hyst:
    case PlaceKind::Pulse: return items;
    case PlaceKind::PowerSaveHours: return 3;
    case PlaceKind::None:
    case PlaceKind::List:
    case PlaceKind::PowerSaveMinutes: return 0;
    }
    return 0;
}

constexpr const TextList* findList(int pointer)
{
    for (const TextList& l : kTextLists)
        if (l.pointer == pointer)
            return &l;
    return nullptr;
}

// Header bytes the settings own: the list pointers, the constant word, the
// magic and the checksum; and the fixed block's own ranges.
constexpr bool settingsHeaderByte(int address)
{
    for (const TextList& l : kTextLists)
        if (address == l.pointer || address == l.pointer + 1)
            return true;
    if (address == kConstantWord || address == kConstantWord + 1 || address == kMagicAddress
        || address == kMagicAddress + 1 || address == kChecksumAddress)
        return true;
    for (const auto& r : kFixedOwnRanges)
        if (address >= r[0] && address <= r[1])
            return true;
    return false;
}

static_assert(kStationOwnStart % kBlockSize == 0 && kStationOwnEnd % kBlockSize == 0 && kTextArea % kBlockSize == 0,
              "the regions must fall on block boundaries");
static_assert(writtenEnd(274) == 288 && writtenEnd(280) == 288 && writtenEnd(281) == 296);

} // namespace torval::layout
