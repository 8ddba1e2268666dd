#include "link/BlockTransfer.h"

#include "interact/Prompts.h"
#include "link/EventPump.h"
#include "link/LineProtocol.h"
#include "link/LinkMessages.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/ImageLayout.h"
#include "model/SettingsSize.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace torval {

namespace {
// Retry policy of the station's programming mode: the reply wait grows by
// 100 ms with every attempt, so a slow or busy station gets more time.
constexpr int kReadAttempts = 12;  // waits 100 .. 1200 ms
constexpr int kWriteAttempts = 10; // waits 200 .. 1100 ms
constexpr int kVerifyAttempts = 9; // waits 200 .. 1000 ms
constexpr int kLastBlockStart = EepromImage::kSize - BlockTransfer::kBlockSize;
constexpr int kReadReplyLength = 1 + 2 * BlockTransfer::kBlockSize; // code, then 8 hex pairs

using Block = std::array<std::uint8_t, BlockTransfer::kBlockSize>;

QByteArray addressPayload(std::uint8_t command, int address)
{
    QByteArray p;
    p.reserve(21);
    p.append(char(command));
    appendHexByte(p, std::uint8_t(address % 256));
    appendHexByte(p, std::uint8_t(address / 256));
    return p;
}

// One read exchange. A reply that is short or carries a character that is
// not hexadecimal is no answer at all: nothing of it reaches the image.
std::optional<Block> readBlockBytes(LineProtocol& protocol, int address, int waitMs)
{
    const LineFrame reply = protocol.exchange(addressPayload(cmd::ReadBlock, address), waitMs);
    if (!reply.valid())
        return std::nullopt;
    if (reply.length() != kReadReplyLength) {
        protocol.noteIrregular();
        return std::nullopt;
    }
    Block b{};
    for (int k = 0; k < BlockTransfer::kBlockSize; ++k) {
        const auto v = hexByteAt(reply.data, 1 + 2 * k);
        if (!v)
            return std::nullopt;
        b[std::size_t(k)] = *v;
    }
    return b;
}

Block imageBlock(const EepromImage& image, int address)
{
    Block b{};
    for (int k = 0; k < BlockTransfer::kBlockSize; ++k)
        b[std::size_t(k)] = image.at(address + k);
    return b;
}

void putBlock(EepromImage& image, int address, const Block& b)
{
    std::copy(b.begin(), b.end(), image.bytes().begin() + address);
}

int dataBlockCount(int settingsSize, int memorySize)
{
    // The last block written is the first whose start is not below the size;
    // a block that would reach past the station's memory is padding only and
    // is not written (it would land on the station's own top bytes).
    const int top = std::min(memorySize, EepromImage::kSize);
    const int fitting = std::max(0, top - layout::kTextArea) / layout::kBlockSize;
    return std::min((layout::writtenEnd(settingsSize) - layout::kTextArea) / layout::kBlockSize, fitting);
}
} // namespace

std::array<int, BlockTransfer::kHeaderBlockCount> BlockTransfer::headerBlocks()
{
    // The magic goes first: once block 40 is zero the header is invalid
    // whatever the other old bytes sum to, so a write cut during the very
    // first block cannot leave a valid header over half-zeroed pointers.
    std::array<int, kHeaderBlockCount> a{};
    std::size_t i = 0;
    a[i++] = kMagicBlock;
    for (int addr = 0; addr < layout::kStationOwnStart; addr += kBlockSize)
        if (addr != kMagicBlock)
            a[i++] = addr;
    for (int addr = layout::kStationOwnEnd; addr < layout::kTextArea; addr += kBlockSize)
        a[i++] = addr;
    return a;
}

std::array<int, BlockTransfer::kHeaderBlockCount> BlockTransfer::commitBlocks()
{
    // The block holding the magic (40..47) must be the very last thing
    // written, so a write cut short anywhere, even between the checksum block
    // and the end of the pointer blocks, leaves the header invalid rather than
    // valid over stale flags, masks and levels.
    std::array<int, kHeaderBlockCount> a{};
    std::size_t i = 0;
    for (int addr = layout::kStationOwnEnd; addr < layout::kTextArea; addr += kBlockSize)
        a[i++] = addr;
    for (int addr = 0; addr < layout::kStationOwnStart; addr += kBlockSize)
        if (addr != kMagicBlock)
            a[i++] = addr;
    a[i++] = kMagicBlock;
    return a;
}

BlockTransfer::BlockTransfer(LineProtocol& protocol, BusyIndicator& busy) : m_protocol(protocol), m_busy(busy) { }

BlockTransfer::Progress::Progress(BusyIndicator& busy, int total) : m_busy(busy), m_total(total)
{
    m_busy.setProgress(0, m_total);
}

void BlockTransfer::Progress::step()
{
    ++m_done;
    m_busy.setProgress(m_done, std::max(m_total, m_done));
}

void BlockTransfer::Progress::setTotal(int total)
{
    m_total = std::max(total, m_done);
    m_busy.setProgress(m_done, m_total);
}

bool BlockTransfer::readBlock(EepromImage& image, int address, int waitMs)
{
    if (address < 0 || address > kLastBlockStart)
        return false;
    const auto b = readBlockBytes(m_protocol, address, waitMs);
    if (!b)
        return false;
    putBlock(image, address, *b);
    return true;
}

bool BlockTransfer::writeBlock(const EepromImage& image, int address, int waitMs)
{
    if (address < 0 || address > kLastBlockStart)
        return false;
    QByteArray p = addressPayload(cmd::WriteBlock, address);
    for (int k = 0; k < kBlockSize; ++k)
        appendHexByte(p, image.at(address + k));
    return m_protocol.exchange(p, waitMs).valid();
}

// Replies carry no address. Every attempt of one block asks the same thing,
// so a late reply to an earlier attempt answers a later one correctly; but a
// retry that succeeded may leave its own reply on the way, which would pass
// for the answer to the next block. So the line settles after a block that
// needed a retry, and once after a block that failed (so what follows starts
// clean). The irregularity is counted by the protocol; the reads confirm what
// they took. On a clean line nothing is waited for.
template <typename Exchange>
bool BlockTransfer::withRetries(int attempts, int firstWaitMs, Exchange&& exchange)
{
    const quint64 start = m_protocol.irregularities();
    const qint64 firstSentMs = m_protocol.pump().elapsedMs();
    for (int n = 0; n < attempts; ++n) {
        // A vanished device answers no retry; the block has failed.
        if (n > 0 && m_protocol.lineFailed())
            break;
        m_protocol.flushInput();
        const int waitMs = std::max(firstWaitMs + 100 * n, m_waitFloorMs);
        const bool ok = exchange(waitMs);
        // Whatever went wrong first decides: a first attempt that simply
        // heard nothing proves nothing was owed from before this block; any
        // other irregularity may mean an earlier reply was taken for a later
        // request's.
        if (n == 0 && m_protocol.irregularities() != start)
            m_slipSuspected = m_slipSuspected || ok || !m_protocol.lastReceiveSilent()
                || m_protocol.irregularities() != start + 1 || m_protocol.forgotten() != m_forgottenAtStart;
        if (ok) {
            if (n > 0) {
                m_protocol.settle();
                // The reply may be the first attempt's, late: wait that long
                // from the start, so the next block does not pile up requests.
                const qint64 tookMs = m_protocol.pump().elapsedMs() - firstSentMs;
                m_waitFloorMs = std::max({m_waitFloorMs, waitMs, int(std::min<qint64>(tookMs, 1200))});
            }
            return true;
        }
    }
    m_protocol.settle();
    return false;
}

bool BlockTransfer::verifyBlock(EepromImage& image, int address)
{
    if (address < 0 || address > kLastBlockStart)
        return false;
    const Block intended = imageBlock(image, address);
    // The image keeps the intended bytes whatever happens: what the station
    // returned on a mismatch is wrong by definition and must not leak into
    // the next save.
    return withRetries(kVerifyAttempts, 200, [&](int waitMs) {
        const auto b = readBlockBytes(m_protocol, address, waitMs);
        return b && *b == intended;
    });
}

bool BlockTransfer::writeBlockWithRetries(EepromImage& image, int address, bool verify, bool last)
{
    bool ok = withRetries(kWriteAttempts, 200, [&](int waitMs) { return writeBlock(image, address, waitMs); });
    // The last block is verified even after Storno: it decides whether the
    // station now holds the whole new configuration.
    if (ok && verify && (last || !m_busy.cancelRequested()))
        ok = verifyBlock(image, address);
    return ok;
}

// A read trusts what it took only when the replies are still in step with
// the requests at its end (lineInStep) and nothing happened that could have
// put them out of step: replies that come once too often or too late are
// caught by the one or the other. A block whose first attempt simply heard
// nothing is no such thing (the line owed nothing from before; every later
// attempt asks for the same bytes), as long as no request has been given up
// on in this reading (a station far behind may still answer it). Otherwise the range is read again whole;
// a second reading that is trusted by the same rule is taken. When that one is irregular too (a station that
// is late or doubles replies again and again), every block is read on its
// own on a quiet line, followed by a check that the reply was its own, until
// such a reading agrees with the one before. A clean line pays one
// identification exchange per read, nothing more.
BlockTransfer::Step BlockTransfer::readConfirmed(EepromImage& image, int from, int to, Progress& progress,
                                                 const std::function<int(const EepromImage&, int)>& extendTo)
{
    std::vector<int> blocks;
    m_slipSuspected = false;
    m_forgottenAtStart = m_protocol.forgotten();
    for (int address = from; address < to; address += kBlockSize) {
        if (!readBlockWithRetries(image, address))
            return Step::Failed;
        blocks.push_back(address);
        progress.step();
        if (m_busy.cancelRequested())
            return Step::Cancelled;
        if (extendTo)
            to = extendTo(image, address + kBlockSize);
    }
    if (!m_slipSuspected && lineInStep())
        return Step::Done;

    progress.grow(int(blocks.size()));
    m_slipSuspected = false;
    m_forgottenAtStart = m_protocol.forgotten();
    for (int a : blocks) {
        if (!readBlockWithRetries(image, a))
            return Step::Failed;
        progress.step();
        if (m_busy.cancelRequested())
            return Step::Cancelled;
    }
    if (!m_slipSuspected && lineInStep())
        return Step::Done;

    progress.grow(int(blocks.size()));
    for (int a : blocks) {
        Block previous = imageBlock(image, a);
        bool confirmed = false;
        for (int n = 0; n < kIsolatedAttempts && !confirmed; ++n) {
            if (m_busy.cancelRequested())
                return Step::Cancelled;
            if (m_protocol.lineFailed())
                return Step::Failed;
            if (!readIsolated(image, a))
                continue;
            const Block now = imageBlock(image, a);
            confirmed = now == previous;
            previous = now;
        }
        if (!confirmed)
            return Step::Failed;
        progress.step();
    }
    return Step::Done;
}

bool BlockTransfer::readIsolated(EepromImage& image, int address)
{
    // Nothing owed and the line quiet before the request; the identification
    // right after it must come next. Then the reply in between was this
    // request's own.
    m_protocol.settle();
    const quint64 before = m_protocol.irregularities();
    if (!readBlock(image, address, std::max(m_waitFloorMs, kIsolatedWaitMs)))
        return false;
    m_protocol.sendFrame(QByteArray(1, char(cmd::Identify)));
    const LineFrame reply = m_protocol.receiveFrame(std::max(m_waitFloorMs, kIsolatedWaitMs));
    return reply.valid() && std::uint8_t(reply.data[0]) == (cmd::Identify | cmd::ReplyBit)
        && m_protocol.irregularities() == before;
}

bool BlockTransfer::lineInStep()
{
    // The identification's reply code is one no block transfer uses: a reply
    // still owed to an earlier request, or one sent twice, arrives first and
    // shows that the replies have slipped against their requests.
    bool slipped = false;
    for (int n = 0; n < kProbeAttempts; ++n) {
        m_protocol.flushInput();
        const quint64 before = m_protocol.irregularities();
        m_protocol.sendFrame(QByteArray(1, char(cmd::Identify)));
        const LineFrame reply = m_protocol.receiveFrame(std::max(kProbeWaitMs, m_waitFloorMs));
        if (reply.valid() && std::uint8_t(reply.data[0]) == (cmd::Identify | cmd::ReplyBit)
            && m_protocol.irregularities() == before)
            return !slipped;
        slipped = slipped || reply.valid();
        if (m_protocol.lineFailed())
            return false;
        m_protocol.settle();
    }
    return false;
}

TransferOutcome BlockTransfer::finishRead(Step step, EepromImage& image, const EepromImage& scratch, Progress& progress)
{
    // Whatever a read did not finish leaves the caller's image as it was: a
    // cancelled or failed read must not leak half a station into the next save.
    if (step != Step::Done)
        m_protocol.settle();
    m_busy.hideBusy();
    switch (step) {
    case Step::Failed: return TransferOutcome::Failed;
    case Step::Cancelled: return TransferOutcome::Cancelled;
    case Step::Done: break;
    }
    progress.setTotal(progress.done());
    image = scratch;
    return TransferOutcome::Completed;
}

TransferOutcome BlockTransfer::readEeprom(EepromImage& image, int memorySize)
{
    return readRange(image, 0, memorySize);
}

TransferOutcome BlockTransfer::readRange(EepromImage& image, int from, int to)
{
    m_protocol.flushInput();
    m_busy.showBusy(linkmsg::text(linkmsg::kReading), true);
    from = std::clamp(from / kBlockSize * kBlockSize, 0, EepromImage::kSize);
    const int end = std::clamp(to, from + 1, EepromImage::kSize);
    Progress progress{m_busy, (end - from + kBlockSize - 1) / kBlockSize};
    m_waitFloorMs = 0;
    auto scratch = std::make_unique<EepromImage>(image);
    const Step step = readConfirmed(*scratch, from, end, progress);
    m_lastReadEnd = (end + kBlockSize - 1) / kBlockSize * kBlockSize;
    return finishRead(step, image, *scratch, progress);
}

bool BlockTransfer::readBlockWithRetries(EepromImage& image, int address)
{
    return withRetries(kReadAttempts, 100, [&](int waitMs) { return readBlock(image, address, waitMs); });
}

BlockTransfer::UsedEnd BlockTransfer::findUsedEnd(const EepromImage& image, int readEnd)
{
    using Kind = UsedEnd::Kind;
    readEnd = std::min(readEnd, EepromImage::kSize);
    if (readEnd < layout::kTextArea)
        return {Kind::Pending};
    if (!imageHeaderValid(image))
        return {Kind::Unknown};
    // The lists follow one another without gaps and the marker follows the
    // last of them, so the list with the highest pointer ends the used part.
    // Counting its terminators finds the marker even where a text might hold
    // the byte 0xFF.
    int last = -1;
    int entries = 0;
    for (const layout::TextList& l : layout::kTextLists) {
        const int p = image.at(l.pointer) | (image.at(l.pointer + 1) << 8);
        if (p < layout::kTextArea)
            return {Kind::Unknown};
        if (p > last) {
            last = p;
            entries = l.entries;
        }
    }
    int pos = last;
    for (int found = 0; found < entries; ++pos) {
        if (pos >= readEnd)
            return {pos >= EepromImage::kSize ? Kind::Unknown : Kind::Pending};
        if (image.at(pos) == 0)
            ++found;
    }
    if (pos + 1 >= readEnd)
        return {pos + 1 >= EepromImage::kSize ? Kind::Unknown : Kind::Pending};
    if (image.at(pos) != 0xFF || image.at(pos + 1) != 0xFF)
        return {Kind::Unknown};
    return {Kind::Found, pos + 2};
}

int BlockTransfer::savedEnd(const EepromImage& image)
{
    // A file save writes settingsSize - 1 bytes and a station write sends the
    // blocks up to the first one starting at or past settingsSize. The size
    // estimate counts the battery-low text twice, so both reach past the end
    // marker; reading those bytes too makes a load followed by a save (file or
    // station) carry the station's own bytes there, as after a full read.
    return layout::writtenEnd(settingsSize(decodeImage(image, DeviceConfig{}).config));
}

TransferOutcome BlockTransfer::readUsedEeprom(EepromImage& image, int memorySize)
{
    using Kind = UsedEnd::Kind;
    m_protocol.flushInput();
    m_busy.showBusy(linkmsg::text(linkmsg::kReading), true);
    const int memoryEnd = std::clamp(memorySize, 1, EepromImage::kSize);
    Progress progress{m_busy, (memoryEnd + kBlockSize - 1) / kBlockSize};
    m_waitFloorMs = 0;
    auto scratch = std::make_unique<EepromImage>(image);

    // The header first, confirmed on its own: it decides everything else.
    // A station without valid settings is known from it, so an empty 64 KiB
    // memory costs 34 blocks, not 8,184.
    const int headerEnd = std::min(memoryEnd, int(layout::kTextArea));
    Step step = readConfirmed(*scratch, 0, headerEnd, progress);
    m_lastReadEnd = headerEnd;
    if (step != Step::Done || !imageHeaderValid(*scratch))
        return finishRead(step, image, *scratch, progress);

    // Where the settings end, judged from what has been read so far; the
    // whole memory when the lists do not end in the marker.
    const auto usedEnd = [&](const EepromImage& img, int readEnd) {
        const UsedEnd used = findUsedEnd(img, readEnd);
        if (used.kind == Kind::Pending)
            return std::min(readEnd + kBlockSize, memoryEnd);
        if (used.kind == Kind::Found && used.end <= memoryEnd)
            return std::min(memoryEnd, std::max(used.end, savedEnd(img)));
        return memoryEnd;
    };
    int readTo = headerEnd;
    // A confirmation may change the pointers the end was judged from; the
    // read goes on until the confirmed image asks for nothing more.
    while (step == Step::Done) {
        const int want = std::min(memoryEnd, usedEnd(*scratch, readTo));
        if (want <= readTo)
            break;
        progress.setTotal(progress.done() + (want - readTo + kBlockSize - 1) / kBlockSize);
        int reached = readTo;
        std::optional<int> judged; // once the marker is found, the end stays put for this pass
        step = readConfirmed(*scratch, readTo, want, progress, [&](const EepromImage& img, int readEnd) {
            reached = readEnd;
            if (!judged) {
                const int to = std::min(memoryEnd, usedEnd(img, readEnd));
                if (findUsedEnd(img, readEnd).kind != Kind::Pending)
                    judged = to;
                progress.setTotal(progress.done() + std::max(0, to - readEnd + kBlockSize - 1) / kBlockSize);
                return to;
            }
            return *judged;
        });
        readTo = reached;
        m_lastReadEnd = readTo;
    }
    return finishRead(step, image, *scratch, progress);
}

TransferOutcome BlockTransfer::writeEeprom(EepromImage& image, int settingsSize, int memorySize, bool verify)
{
    m_protocol.flushInput();
    m_busy.showBusy(linkmsg::text(linkmsg::kWriting), true);
    m_waitFloorMs = 0;

    const int dataBlocks = dataBlockCount(settingsSize, memorySize);
    const int total = 2 * kHeaderBlockCount + dataBlocks;
    int done = 0;
    m_busy.setProgress(0, total);

    // The header save area; restored into the image whatever the outcome, so
    // bytes the encoder does not own survive a failed or cancelled write.
    std::array<Block, kHeaderBlockCount> saved{};
    const auto order = headerBlocks();
    for (std::size_t i = 0; i < order.size(); ++i)
        saved[i] = imageBlock(image, order[i]);
    const auto restoreHeader = [&] {
        for (std::size_t i = 0; i < order.size(); ++i)
            putBlock(image, order[i], saved[i]);
    };
    // Ends one block: Failed or Cancelled stop the transfer.
    const auto finishBlock = [&](bool ok) -> std::optional<TransferOutcome> {
        m_busy.setProgress(++done, total);
        // Storno during the committing block comes too late to stop anything:
        // the station holds the whole new configuration, which is what counts.
        if (!ok || (m_busy.cancelRequested() && done < total)) {
            restoreHeader();
            m_busy.hideBusy();
            return ok ? TransferOutcome::Cancelled : TransferOutcome::Failed;
        }
        return std::nullopt;
    };

    // A verified write vouches for every block only while the replies stay in
    // step with the requests: writes and reads answer with different codes, so
    // a slip shows within a block. The blocks from the one before the first
    // irregularity on are read back once more before the header is committed
    // (and the committed header after it), so a read-back that took another
    // block's reply cannot pass.
    std::vector<int> phase;
    std::optional<std::size_t> recheckFrom;
    const auto writeOne = [&](int a, bool last) {
        const quint64 before = m_protocol.irregularities();
        const bool ok = writeBlockWithRetries(image, a, verify, last);
        phase.push_back(a);
        if (verify && !recheckFrom && m_protocol.irregularities() != before)
            recheckFrom = phase.size() >= 2 ? phase.size() - 2 : 0;
        return finishBlock(ok);
    };
    const auto confirmPhase = [&]() -> bool {
        if (verify && !recheckFrom && !phase.empty() && !lineInStep())
            recheckFrom = phase.size() >= 2 ? phase.size() - 2 : 0;
        bool ok = true;
        for (std::size_t i = recheckFrom.value_or(phase.size()); ok && i < phase.size(); ++i)
            ok = verifyBlock(image, phase[i]);
        phase.clear();
        recheckFrom.reset();
        return ok;
    };

    for (int a : order) {
        putBlock(image, a, Block{});
        if (auto end = writeOne(a, false))
            return *end;
    }
    for (int i = 0, a = layout::kTextArea; i < dataBlocks; ++i, a += kBlockSize) {
        if (auto end = writeOne(a, false))
            return *end;
    }
    if (!confirmPhase()) {
        restoreHeader();
        m_busy.hideBusy();
        return TransferOutcome::Failed;
    }
    for (int a : commitBlocks()) {
        const auto idx = std::size_t(std::find(order.begin(), order.end(), a) - order.begin());
        putBlock(image, a, saved[idx]);
        if (auto end = writeOne(a, a == kMagicBlock))
            return *end;
    }
    if (!confirmPhase()) {
        m_busy.hideBusy();
        return TransferOutcome::Failed;
    }
    m_busy.hideBusy();
    return TransferOutcome::Completed;
}

} // namespace torval
