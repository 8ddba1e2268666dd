#pragma once
// The virtual station as a technician meets it on first connecting: a small
// waterworks pumping station that was programmed on site, so reading its
// EEPROM fills the window with real names, levels and numbers instead of an
// unprogrammed memory.

#include "model/DeviceConfig.h"

namespace torval {

class StationCore;

// The settings the demo station was programmed with.
[[nodiscard]] DeviceConfig demoStationConfig();

// Writes the encoded demo settings into the station's memory, the rest of it
// erased. False (memory untouched) when they do not encode or do not fit.
[[nodiscard]] bool programDemoStation(StationCore& station);

} // namespace torval
