#include "link/BlockTransfer.h"

#include "link/LineProtocol.h"
#include "link/LinkMessages.h"
#include "interact/Prompts.h"
#include "model/EepromImage.h"
#include "model/ImageLayout.h"
#include "model/ImageDecoder.h"
#include "model/SettingsSize.h"

#include <algorithm>
#include <optional>

namespace torval {

namespace {
// Retry policy of the station's programming mode: the reply wait grows by
// 100 ms with every attempt, so a slow or busy station gets more time.
constexpr int kReadAttempts = 12;   // waits 100 .. 1200 ms
constexpr int kWriteAttempts = 10;  // waits 200 .. 1100 ms
constexpr int kVerifyAttempts = 9;  // waits 200 .. 1000 ms
constexpr int kLastBlockStart = EepromImage::kSize - BlockTransfer::kBlockSize;

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

BlockTransfer::BlockTransfer(LineProtocol& protocol, BusyIndicator& busy) : m_protocol(protocol), m_busy(busy) {}

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

// Replies carry no address. An attempt that failed may still be answered
// later, and a retry that succeeded may have taken an earlier attempt's late
// reply while its own is still on the way; either would pass for the answer
// to the next request. So the line settles after every failed attempt and
// after a block that needed a retry, before anything else is sent. On a clean
// line neither happens and nothing is waited for.
template <typename Exchange>
bool BlockTransfer::withRetries(int attempts, int firstWaitMs, Exchange&& exchange)
{
    for (int n = 0; n < attempts; ++n) {
        // A vanished device answers no retry; the block has failed.
        if (n > 0 && m_protocol.lineFailed())
            return false;
        m_protocol.flushInput();
        const int waitMs = std::max(firstWaitMs + 100 * n, m_waitFloorMs);
        if (exchange(waitMs)) {
            if (n > 0) {
                m_protocol.settle();
                m_waitFloorMs = std::max(m_waitFloorMs, waitMs);
            }
            return true;
        }
        m_protocol.settle();
    }
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

TransferOutcome BlockTransfer::readEeprom(EepromImage& image, int memorySize)
{
    m_protocol.flushInput();
    m_busy.showBusy(linkmsg::text(linkmsg::kReading), true);
    const int end = std::clamp(memorySize, 1, EepromImage::kSize);
    const int total = (end + kBlockSize - 1) / kBlockSize;
    int done = 0;
    m_busy.setProgress(0, total);
    int address = 0;
    m_waitFloorMs = 0;
    for (;;) {
        if (!readBlockWithRetries(image, address)) {
            m_busy.hideBusy();
            return TransferOutcome::Failed;
        }
        m_busy.setProgress(++done, total);
        address += kBlockSize;
        if (address >= end || m_busy.cancelRequested())
            break;
    }
    m_busy.hideBusy();
    return m_busy.cancelRequested() ? TransferOutcome::Cancelled : TransferOutcome::Completed;
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
    // the byte 0xFF. The words at 6 and 44 are no pointers; the counter
    // names (pointer 36) are the one list of 2 entries.
    int last = -1;
    int entries = 0;
    for (int w = 0; w <= 40; w += 2) {
        if (w == 6)
            continue;
        const int p = image.at(w) | (image.at(w + 1) << 8);
        if (p < layout::kTextArea)
            return {Kind::Unknown};
        if (p > last) {
            last = p;
            entries = w == 36 ? 2 : 8;
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
    int end = std::clamp(memorySize, 1, EepromImage::kSize);
    int total = (end + kBlockSize - 1) / kBlockSize;
    int done = 0;
    m_busy.setProgress(0, total);
    m_waitFloorMs = 0;
    // Judged after every block once the header is in, until the marker is
    // found or the image turns out not to describe its used part.
    bool judging = true;
    for (int address = 0;;) {
        if (!readBlockWithRetries(image, address)) {
            m_busy.hideBusy();
            return TransferOutcome::Failed;
        }
        address += kBlockSize;
        if (judging) {
            const UsedEnd used = findUsedEnd(image, address);
            if (used.kind == Kind::Found && used.end <= end) {
                end = std::min(end, std::max(used.end, savedEnd(image)));
                total = (end + kBlockSize - 1) / kBlockSize;
                judging = false;
            } else if (used.kind != Kind::Pending) {
                judging = false; // not a used part we can trust: read it all
            }
        }
        m_busy.setProgress(++done, total);
        if (address >= end || m_busy.cancelRequested())
            break;
    }
    m_busy.hideBusy();
    return m_busy.cancelRequested() ? TransferOutcome::Cancelled : TransferOutcome::Completed;
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

    for (int a : order) {
        putBlock(image, a, Block{});
        if (auto end = finishBlock(writeBlockWithRetries(image, a, verify, false)))
            return *end;
    }
    for (int i = 0, a = layout::kTextArea; i < dataBlocks; ++i, a += kBlockSize) {
        if (auto end = finishBlock(writeBlockWithRetries(image, a, verify, false)))
            return *end;
    }
    for (int a : commitBlocks()) {
        const auto idx = std::size_t(std::find(order.begin(), order.end(), a) - order.begin());
        putBlock(image, a, saved[idx]);
        if (auto end = finishBlock(writeBlockWithRetries(image, a, verify, a == kMagicBlock)))
            return *end;
    }
    m_busy.hideBusy();
    return TransferOutcome::Completed;
}

} // namespace torval
