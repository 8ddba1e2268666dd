#include "link/BlockTransfer.h"

#include "link/LineProtocol.h"
#include "link/LinkMessages.h"
#include "link/Prompts.h"
#include "model/EepromImage.h"
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

int dataBlockCount(int settingsSize)
{
    // The last block written is the first whose start is not below the size.
    int n = 1;
    for (int a = layout::kTextArea; settingsSize > a && a + BlockTransfer::kBlockSize <= kLastBlockStart;
         a += BlockTransfer::kBlockSize)
        ++n;
    return n;
}
} // namespace

std::array<int, BlockTransfer::kHeaderBlockCount> BlockTransfer::headerBlocks()
{
    std::array<int, kHeaderBlockCount> a{};
    std::size_t i = 0;
    for (int addr = 0; addr <= 56; addr += kBlockSize)
        a[i++] = addr;
    for (int addr = 128; addr <= 264; addr += kBlockSize)
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
    for (int addr = 128; addr <= 264; addr += kBlockSize)
        a[i++] = addr;
    for (int addr = 0; addr <= 56; addr += kBlockSize)
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

bool BlockTransfer::verifyBlock(EepromImage& image, int address)
{
    if (address < 0 || address > kLastBlockStart)
        return false;
    const Block intended = imageBlock(image, address);
    for (int n = 1; n <= kVerifyAttempts; ++n) {
        // A late reply of the write or of an earlier read must not be compared.
        m_protocol.flushInput();
        const auto b = readBlockBytes(m_protocol, address, (n + 1) * 100);
        if (b && *b == intended)
            return true;
    }
    // The image keeps the intended bytes: what the station returned is wrong
    // by definition and must not leak into the next save.
    return false;
}

bool BlockTransfer::writeBlockWithRetries(EepromImage& image, int address, bool verify)
{
    bool ok = false;
    for (int n = 1; n <= kWriteAttempts && !ok; ++n) {
        // Drain before every attempt: a late reply to the previous block or
        // attempt must not pass for this one's answer.
        m_protocol.flushInput();
        ok = writeBlock(image, address, (n + 1) * 100);
    }
    if (ok && verify && !m_busy.cancelRequested())
        ok = verifyBlock(image, address);
    return ok;
}

TransferOutcome BlockTransfer::readEeprom(EepromImage& image, int memorySize)
{
    m_protocol.flushInput();
    m_busy.showBusy(QString::fromUtf8(linkmsg::kReading), true);
    const int end = std::clamp(memorySize, 1, EepromImage::kSize);
    const int total = (end + kBlockSize - 1) / kBlockSize;
    int done = 0;
    m_busy.setProgress(0, total);
    int address = 0;
    for (;;) {
        bool ok = false;
        for (int n = 0; n < kReadAttempts && !ok; ++n) {
            m_protocol.flushInput();
            ok = readBlock(image, address, (n + 1) * 100);
        }
        if (!ok) {
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
    for (int n = 0; n < kReadAttempts; ++n) {
        m_protocol.flushInput();
        if (readBlock(image, address, (n + 1) * 100))
            return true;
    }
    return false;
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
    const int size = settingsSize(decodeImage(image, DeviceConfig{}).config);
    return (size + kBlockSize - 1) / kBlockSize * kBlockSize + kBlockSize;
}

TransferOutcome BlockTransfer::readUsedEeprom(EepromImage& image, int memorySize)
{
    using Kind = UsedEnd::Kind;
    m_protocol.flushInput();
    m_busy.showBusy(QString::fromUtf8(linkmsg::kReading), true);
    int end = std::clamp(memorySize, 1, EepromImage::kSize);
    int total = (end + kBlockSize - 1) / kBlockSize;
    int done = 0;
    m_busy.setProgress(0, total);
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

TransferOutcome BlockTransfer::writeEeprom(EepromImage& image, int settingsSize, bool verify)
{
    m_protocol.flushInput();
    m_busy.showBusy(QString::fromUtf8(linkmsg::kWriting), true);

    const int dataBlocks = dataBlockCount(settingsSize);
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
        if (!ok || m_busy.cancelRequested()) {
            restoreHeader();
            m_busy.hideBusy();
            return ok ? TransferOutcome::Cancelled : TransferOutcome::Failed;
        }
        return std::nullopt;
    };

    for (int a : order) {
        putBlock(image, a, Block{});
        if (auto end = finishBlock(writeBlockWithRetries(image, a, verify)))
            return *end;
    }
    for (int i = 0, a = layout::kTextArea; i < dataBlocks; ++i, a += kBlockSize) {
        if (auto end = finishBlock(writeBlockWithRetries(image, a, verify)))
            return *end;
    }
    for (int a : commitBlocks()) {
        const auto idx = std::size_t(std::find(order.begin(), order.end(), a) - order.begin());
        putBlock(image, a, saved[idx]);
        if (auto end = finishBlock(writeBlockWithRetries(image, a, verify)))
            return *end;
    }
    m_busy.hideBusy();
    return TransferOutcome::Completed;
}

} // namespace torval
