#pragma once
// The link to one station: activation with identification, deactivation, the
// question asked when the program ends with the link up, and the EEPROM
// transfers. It owns no widgets; the window shows state() and deviceInfo()
// and listens to the state callback.

#include "link/BlockTransfer.h"
#include "link/LineProtocol.h"
#include "link/LinkTypes.h"

#include <functional>
#include <optional>

namespace torval {

class SerialLine;
class EventPump;
class Prompts;
class BusyIndicator;
class EepromImage;

// How the program is being left: the exit button offers Cancel, closing the
// window does not.
enum class ExitKind { ExitButton, CloseWindow };

class StationLink {
public:
    static constexpr int kHelloWaitMs = 500;
    static constexpr int kReplyWaitMs = 100;

    StationLink(SerialLine& line, EventPump& pump, Prompts& prompts, BusyIndicator& busy);

    [[nodiscard]] LinkState state() const { return m_state; }
    [[nodiscard]] const DeviceInfo& deviceInfo() const { return m_info; }
    [[nodiscard]] bool isUp() const { return linkIsUp(m_state); }
    // Called after every change of state (the info is reset to "?" on Inactive),
    // and once during activation with the product and version just identified,
    // before any message about them.
    void setStateListener(std::function<void(LinkState, const DeviceInfo&)> listener);

    // Opens portText, waits for the station's hello (until it answers or the
    // user presses Storno), identifies it. Returns the resulting state.
    LinkState activateLink(const QString& portText);
    // Takes the station out of programming mode; asks the user when it does
    // not confirm. Returns the resulting state.
    LinkState deactivateLink();
    // The question asked when the program ends with the link up. True when
    // the program may end (it deactivates first if the user wants that).
    [[nodiscard]] bool confirmExit(ExitKind kind);

    // Reads the station's whole memory. A station whose memory size is not
    // known is refused with linkmsg::kUnknownMemorySize (shown here) and Failed.
    [[nodiscard]] TransferOutcome readEeprom(EepromImage& image);
    // With this set, readEeprom reads only the used part of the memory (see
    // BlockTransfer::readUsedEeprom): the quick read of the command line.
    void setReadUsedOnly(bool usedOnly) { m_readUsedOnly = usedOnly; }
    [[nodiscard]] TransferOutcome writeEeprom(EepromImage& image, int settingsSize, bool verify);

    // What the station holds, for the backup before a write: its memory up to
    // where its settings end (the header blocks of an empty station). A read
    // of this link session is used while nothing has written since; otherwise
    // the quick read runs now.
    [[nodiscard]] TransferOutcome readStationBytes(QByteArray& bytes);
    // The port the link was last activated on.
    [[nodiscard]] QString portName() const { return m_port; }

    LineProtocol& protocol() { return m_protocol; }
    BlockTransfer& transfer() { return m_transfer; }

private:
    void showLinkState(LinkState s);
    void failActivation();
    void keepReadBytes(const EepromImage& image);

    Prompts& m_prompts;
    BusyIndicator& m_busy;
    LineProtocol m_protocol;
    BlockTransfer m_transfer;
    LinkState m_state = LinkState::Inactive;
    bool m_readUsedOnly = false;
    DeviceInfo m_info;
    QString m_port;
    std::optional<QByteArray> m_known; // the station's bytes as read in this session, none written since
    std::function<void(LinkState, const DeviceInfo&)> m_listener;
};

} // namespace torval
