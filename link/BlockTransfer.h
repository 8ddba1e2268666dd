#pragma once
// Reading and writing the station's EEPROM in 8-byte blocks. The write keeps
// the station from ever trusting a half-written configuration: the header
// blocks are zeroed first, the data follow, and the header is committed last
// (fixed block 128..264 before the pointer block 0..56, so the magic and the
// checksum become valid only with the very last block).

#include "link/LinkTypes.h"
#include "model/ImageLayout.h"

#include <array>
#include <functional>

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

    // Reads addresses 0 .. memorySize-1 into the image. Like every read, it
    // changes the image only when it ends Completed.
    [[nodiscard]] TransferOutcome readEeprom(EepromImage& image, int memorySize);
    // Reads the blocks of from .. to-1.
    [[nodiscard]] TransferOutcome readRange(EepromImage& image, int from, int to);
    // One past the last byte the last completed read took from the station.
    [[nodiscard]] int lastReadEnd() const { return m_lastReadEnd; }
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

    // Readings of one block on a quiet line before a read gives up on it.
    static constexpr int kIsolatedAttempts = 6;
    static constexpr int kIsolatedWaitMs = 1200; // the longest wait a read grants
    static constexpr int kProbeAttempts = 3;
    static constexpr int kProbeWaitMs = 200;

private:
    enum class Step { Done, Failed, Cancelled };
    // The busy window's progress; a confirmation adds the blocks it reads again.
    class Progress {
    public:
        Progress(BusyIndicator& busy, int total);
        void step();
        void grow(int blocks) { setTotal(m_total + blocks); }
        void setTotal(int total);
        [[nodiscard]] int done() const { return m_done; }

    private:
        BusyIndicator& m_busy;
        int m_total;
        int m_done = 0;
    };
    // Reads [from, to) into image and confirms it (see the .cpp). extendTo,
    // when given, is asked after every block where the range ends now.
    Step readConfirmed(EepromImage& image, int from, int to, Progress& progress,
                       const std::function<int(const EepromImage&, int)>& extendTo = {});
    // True when the station's replies are still in step with the requests.
    bool lineInStep();
    // One exchange for the block on a settled line, then the identification:
    // true when both came in order and nothing irregular happened.
    bool readIsolated(EepromImage& image, int address);
    TransferOutcome finishRead(Step step, EepromImage& image, const EepromImage& scratch, Progress& progress);
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
    // Something since the last reset may have put replies out of step.
    bool m_slipSuspected = false;
    int m_lastReadEnd = 0;
    quint64 m_forgottenAtStart = 0;
};

} // namespace torval
