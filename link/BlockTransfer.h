#pragma once
// Reading and writing the station's EEPROM in 8-byte blocks. The write keeps
// the station from ever trusting a half-written configuration: the header
// blocks are zeroed first, the data follow, and the header is committed last
// (fixed block 128..264 before the pointer block 0..56, so the magic and the
// checksum become valid only with the very last block).

#include "link/LinkTypes.h"

#include <array>

namespace torval {

class EepromImage;
class LineProtocol;
class BusyIndicator;

class BlockTransfer {
public:
    static constexpr int kBlockSize = 8;
    static constexpr int kHeaderBlockCount = 26;
    // Invalidating order: 0..56, then 128..264 (64..127 belong to the station).
    [[nodiscard]] static std::array<int, kHeaderBlockCount> headerBlocks();
    // Committing order: 128..264 first, 0..56 (pointers, magic, checksum) last.
    [[nodiscard]] static std::array<int, kHeaderBlockCount> commitBlocks();

    BlockTransfer(LineProtocol& protocol, BusyIndicator& busy);

    // One exchange each; see the .cpp for the rules.
    [[nodiscard]] bool readBlock(EepromImage& image, int address, int waitMs);
    [[nodiscard]] bool writeBlock(const EepromImage& image, int address, int waitMs);
    [[nodiscard]] bool verifyBlock(EepromImage& image, int address);

    // Reads addresses 0 .. memorySize-1 into the image.
    [[nodiscard]] TransferOutcome readEeprom(EepromImage& image, int memorySize);
    // Writes the header, the data area up to settingsSize and commits the
    // header. On Failed or Cancelled the saved header bytes are put back into
    // the image, so nothing the encoder does not own is lost.
    [[nodiscard]] TransferOutcome writeEeprom(EepromImage& image, int settingsSize, bool verify);

private:
    bool writeBlockWithRetries(EepromImage& image, int address, bool verify);

    LineProtocol& m_protocol;
    BusyIndicator& m_busy;
};

} // namespace torval
