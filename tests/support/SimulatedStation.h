#pragma once
// A station in-process on simulated time and the link that talks to it, with
// the scripted user: what every link, command and provisioning test starts
// from. Only for test programs that link the station and link layers.

#include "link/StationLink.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "support/UserFakes.h"

#include <algorithm>
#include <cstdint>

namespace torval::test {

struct SimulatedStation {
    explicit SimulatedStation(StationIdentity id = {}) : station(id) { }

    // Requests with this command the station has received.
    [[nodiscard]] int sent(std::uint8_t command) const
    {
        return int(std::count_if(station.requests().begin(), station.requests().end(),
                                 [&](const auto& r) { return r.command == command; }));
    }

    SimulatedEventPump pump;
    StationCore station;
    VirtualSerialLine line{station, pump};
    FakePrompts prompts;
    FakeBusy busy;
    StationLink link{line, pump, prompts, busy};
};

} // namespace torval::test
