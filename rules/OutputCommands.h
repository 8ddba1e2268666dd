#pragma once
// The station recognises an output in an SMS command by its name and its three
// command words, so before an image is written no output name or command word
// may equal another one or be the beginning of one.

#include "model/ConfigFields.h"
#include "model/DeviceConfig.h"

#include <QString>
#include <optional>

namespace torval {

struct OutputCommandFailure {
    int output = 0;                  // 0..7
    const FieldDef* field = nullptr; // tabOUTNazev, tabOUTZap, tabOUTVyp or tabOUTimpuls
    QString message;                 // names the output by its row label "O1".."O8"
};

// Tab that a failure brings to the front ("Dig. výstupy").
inline constexpr int kOutputsTab = 3;

// Runs the four checks of output 0, then of output 1, ...; the first failure.
[[nodiscard]] std::optional<OutputCommandFailure> checkOutputCommands(const DeviceConfig& config);

} // namespace torval
