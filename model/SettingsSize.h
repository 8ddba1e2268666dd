#pragma once
// The size of the encoded settings, computed from the texts alone so that it
// can run on every keystroke. It counts the battery text twice (as rtBattLow
// and as the BAT input's CL1-down text), so it is never smaller than the image.

#include "model/DeviceConfig.h"

namespace torval {

int settingsSize(const DeviceConfig& c);

} // namespace torval
