#pragma once
// Reading and writing the station's EEPROM in 8-byte blocks. The write keeps
// the station from ever trusting a half-written configuration: the header
// blocks are zeroed first, the data follow, and the header is committed last
// (fixed block 128..264 before the pointer block 0..56, so the magic and the
// checksum become valid only with the very last block).

#include "link/LinkTypes.h"
#include "model/ImageLayout.h"

#include <array>

namespace torval {

class EepromImage;
class LineProtocol;
class BusyIndicator;

class BlockTransfer {
public:
    static constexpr int kBlockSize = layout::kBlockSize;
    static constexpr int kHeaderBlockCount = layout::kHeaderBlockCount;
    // Invalidating order: the magic's block 40 first, then 0..32, 48, 56 and
    // 128..264 (64..127 belong to the station).
    [[nodiscard]] static std::array<int, kHeaderBlockCount> headerBlocks();
    // The block that holds the magic word 9602.
    static constexpr int kMagicBlock = layout::kMagicAddress / kBlockSize * kBlockSize;
    // Committing order: 128..264 first, then the pointer blocks 0..56 with
    // the magic block 40 last of all.
    [[nodiscard]] static std::array<int, kHeaderBlockCount> commitBlocks();

    BlockTransfer(LineProtocol& protocol, BusyIndicator& busy);

    // One exchange each; see the .cpp for the rules.
    [[nodiscard]] bool readBlock(EepromImage& image, int address, int waitMs);
    [[nodiscard]] bool writeBlock(const EepromImage& image, int address, int waitMs);
    [[nodiscard]] bool verifyBlock(EepromImage& image, int address);

    // Reads addresses 0 .. memorySize-1 into the image.
    [[nodiscard]] TransferOutcome readEeprom(EepromImage& image, int memorySize);
    // Reads only the part of the memory the settings use: the header blocks,
    // then the text area up to and including its end marker 0xFF 0xFF. A
    // header that is not valid, or text lists that do not end in the marker,
    // fall back to reading all of 0 .. memorySize-1. The read goes on past
    // the marker over the bytes a save of the read settings covers
    // (savedEnd); image bytes after those keep what they held.
    [[nodiscard]] TransferOutcome readUsedEeprom(EepromImage& image, int memorySize);
    // Where the used part of a read image ends (one past the second 0xFF),
    // judged from the bytes below readEnd: Pending while the last text list
    // has not been read far enough, Unknown when the header or the lists do
    // not describe a used part that ends in the marker.
    struct UsedEnd {
        enum class Kind { Found, Pending, Unknown } kind;
        int end = 0;
    };
    [[nodiscard]] static UsedEnd findUsedEnd(const EepromImage& image, int readEnd);
    // One past the last byte a file save or a station write of the settings
    // held by `image` covers, rounded up to whole blocks.
    [[nodiscard]] static int savedEnd(const EepromImage& image);

    // Writes the header, the data area up to settingsSize (never a block
    // reaching past memorySize) and commits the header. On Failed or
    // Cancelled the saved header bytes are put back into the image, so nothing
    // the encoder does not own is lost. Storno during the committing block
    // (the magic's, verified even then) gives Completed: the station holds
    // the whole new configuration.
    [[nodiscard]] TransferOutcome writeEeprom(EepromImage& image, int settingsSize, int memorySize, bool verify);

private:
    bool readBlockWithRetries(EepromImage& image, int address);
    bool writeBlockWithRetries(EepromImage& image, int address, bool verify, bool last);
    // Up to `attempts` exchanges of one block, the reply wait growing by
    // 100 ms from firstWaitMs; see the .cpp.
    template <typename Exchange>
    bool withRetries(int attempts, int firstWaitMs, Exchange&& exchange);

    LineProtocol& m_protocol;
    BusyIndicator& m_busy;
    // The reply wait that last needed a retry to succeed in this transfer: a
    // station that answers slowly gets that long from the first attempt on.
    int m_waitFloorMs = 0;
};

} // namespace torval
