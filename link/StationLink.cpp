#include "link/StationLink.h"

#include "interact/Prompts.h"
#include "link/EventPump.h"
#include "link/LinkMessages.h"
#include "link/SerialLine.h"
#include "model/EepromImage.h"
#include "model/ImageLayout.h"
#include "model/SettingsDiff.h"

#include <algorithm>
#include <memory>

namespace torval {

StationLink::StationLink(SerialLine& line, EventPump& pump, Prompts& prompts, BusyIndicator& busy)
    : m_prompts(prompts), m_busy(busy), m_protocol(line, pump, prompts), m_transfer(m_protocol, busy)
{ }

void StationLink::setStateListener(std::function<void(LinkState, const DeviceInfo&)> listener)
{
    m_listener = std::move(listener);
}

void StationLink::showLinkState(LinkState s)
{
    m_state = s;
    if (s == LinkState::Inactive)
        m_info = DeviceInfo{};
    if (s != LinkState::Active)
        m_known.reset(); // another session may find another station
    if (m_listener)
        m_listener(m_state, m_info);
    if (s == LinkState::ActiveWrongDevice)
        m_busy.hideBusy();
}

void StationLink::failActivation()
{
    showLinkState(LinkState::Inactive);
    m_busy.hideBusy();
    m_prompts.message(linkmsg::text(linkmsg::kActivationFailed), Icon::Error);
    m_protocol.closePort();
}

LinkState StationLink::activateLink(const QString& portText)
{
    m_protocol.closePort();
    m_known.reset();
    m_port = portText;
    if (!m_protocol.openPort(portText)) {
        m_busy.hideBusy();
        return m_state;
    }
    m_prompts.message(linkmsg::text(linkmsg::kInstruction1) + QStringLiteral("\r\n")
                          + linkmsg::text(linkmsg::kInstruction2) + QStringLiteral("\r\n")
                          + linkmsg::text(linkmsg::kInstruction3),
                      Icon::Information);
    m_protocol.flushInput();
    m_busy.showBusy(linkmsg::text(linkmsg::kConnecting), true);

    // The station answers only once it is in its programming state; the user
    // may take as long as needed, and Storno is the only way out.
    for (;;) {
        const qint64 sentAt = m_protocol.pump().elapsedMs();
        if (m_protocol.exchange(QByteArray(1, char(cmd::Hello)), kHelloWaitMs).valid())
            break;
        if (m_busy.cancelRequested())
            break;
        // A wrong or garbled reply ends the receive early (an echoing cable
        // returns every Hello at once); the next Hello still waits its turn.
        m_protocol.discardUntil(sentAt + kHelloWaitMs);
    }
    if (m_busy.cancelRequested()) {
        failActivation();
        return m_state;
    }

    // An earlier Hello may still be answered, and its reply must not pass for
    // the identification: its code gives it away. Only then is the line
    // settled and the identification asked again.
    LineFrame id = m_protocol.exchange(QByteArray(1, char(cmd::Identify)), kReplyWaitMs);
    if (!id.valid()) {
        m_protocol.settle();
        id = m_protocol.exchange(QByteArray(1, char(cmd::Identify)), kReplyWaitMs);
    }
    std::array<int, 5> v{};
    for (std::size_t k = 0; k < v.size(); ++k) {
        const auto b = id.valid() ? hexByteAt(id.data, 1 + 2 * int(k)) : std::nullopt;
        if (!b) {
            // A short or garbled identification is no identification.
            failActivation();
            return m_state;
        }
        v[k] = *b;
    }
    DeviceInfo info;
    const int productCode = v[0] + 256 * v[1] + 65536 * v[2];
    if (const auto name = productName(productCode))
        info.product = *name;
    info.version = QString::number(v[4]) + QLatin1Char('.') + QString::number(v[3]);

    // The panel names the device and version that answered before any
    // message about them is shown; the rest follows with the state.
    if (m_listener)
        m_listener(m_state, info);

    bool supported = true;
    if (info.product == QLatin1String("?")) {
        m_prompts.message(linkmsg::text(linkmsg::kUnknownDevice), Icon::Information);
    } else if (info.product != QLatin1String(linkmsg::kSupportedProduct)) {
        m_prompts.message(linkmsg::text(linkmsg::kOnlyProduct).arg(QLatin1String(linkmsg::kSupportedProduct)),
                          Icon::Error);
        supported = false;
    } else if (QString::fromLatin1(linkmsg::kMinimumVersion).toDouble() > info.version.toDouble()) {
        m_prompts.message(linkmsg::text(linkmsg::kOnlyVersion).arg(QLatin1String(linkmsg::kMinimumVersion)),
                          Icon::Error);
        supported = false;
    }

    const LineFrame mem = m_protocol.exchange(QByteArray(1, char(cmd::MemoryInfo)), kReplyWaitMs);
    const auto memCode = mem.valid() ? hexByteAt(mem.data, 1) : std::nullopt;
    const auto modemCode = mem.valid() ? hexByteAt(mem.data, 3) : std::nullopt;
    if (!memCode || !modemCode) {
        failActivation();
        return m_state;
    }
    if (const auto t = memorySizeText(*memCode))
        info.memorySize = *t;
    if (const auto t = modemName(*modemCode))
        info.modem = *t;

    m_info = info;
    showLinkState(supported ? LinkState::Active : LinkState::ActiveWrongDevice);
    m_busy.hideBusy();
    return m_state;
}

LinkState StationLink::deactivateLink()
{
    // A spare reply still on its way must not pass for the answer to Leave.
    m_protocol.flushInput();
    m_protocol.settle();
    QByteArray leave;
    leave.append(char(cmd::Leave)).append(char(0xAA)).append(char(0x55));
    bool left = m_protocol.exchange(leave, kReplyWaitMs).valid();
    if (!left) {
        // Asking again is harmless: a station already out of programming
        // mode no longer answers, and the question follows as before.
        m_protocol.settle();
        left = m_protocol.exchange(leave, kReplyWaitMs).valid();
    }
    if (left
        || m_prompts.question(linkmsg::text(linkmsg::kDeactivationFailed), Icon::Error, Buttons::YesNo)
            == Answer::Yes) {
        showLinkState(LinkState::Inactive);
        m_protocol.closePort();
    }
    return m_state;
}

bool StationLink::confirmExit(ExitKind kind)
{
    if (!isUp())
        return true;
    const Answer a = m_prompts.question(linkmsg::text(linkmsg::kExitQuestion), Icon::Question,
                                        kind == ExitKind::ExitButton ? Buttons::YesNoCancel : Buttons::YesNo);
    if (a == Answer::Cancel && kind == ExitKind::ExitButton)
        return false;
    if (a == Answer::Yes)
        (void)deactivateLink();
    return true;
}

TransferOutcome StationLink::readEeprom(EepromImage& image)
{
    const auto size = m_info.memorySizeBytes();
    if (!size) {
        m_prompts.message(linkmsg::text(linkmsg::kUnknownMemorySize), Icon::Error);
        return TransferOutcome::Failed;
    }
    const TransferOutcome outcome =
        m_readUsedOnly ? m_transfer.readUsedEeprom(image, *size) : m_transfer.readEeprom(image, *size);
    if (outcome == TransferOutcome::Completed)
        keepReadBytes(image);
    return outcome;
}

void StationLink::keepReadBytes(const EepromImage& image)
{
    int end = m_transfer.lastReadEnd();
    if (imageHeaderValid(image)) {
        if (const auto used = usedImageEnd(image))
            end = std::min(end, *used);
    } else {
        end = std::min(end, layout::kTextArea); // an empty station: its header blocks
    }
    const auto bytes = image.bytes().first(std::size_t(std::max(end, 0)));
    m_known = QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

TransferOutcome StationLink::readStationBytes(QByteArray& bytes)
{
    if (!m_known) {
        const auto size = m_info.memorySizeBytes();
        if (!size)
            return TransferOutcome::Failed;
        auto image = std::make_unique<EepromImage>(); // 64 KiB: kept off the stack
        const TransferOutcome outcome = m_transfer.readUsedEeprom(*image, *size);
        if (outcome != TransferOutcome::Completed)
            return outcome;
        keepReadBytes(*image);
    }
    bytes = *m_known;
    return TransferOutcome::Completed;
}

TransferOutcome StationLink::writeEeprom(EepromImage& image, int settingsSize, bool verify)
{
    // Settings that fit need no block past the memory; without a known size
    // there is nothing to bound the write with.
    const auto size = m_info.memorySizeBytes();
    if (!size)
        return TransferOutcome::Failed;
    m_known.reset(); // whatever the outcome, the station may now hold some of it
    return m_transfer.writeEeprom(image, settingsSize, *size, verify);
}

} // namespace torval
