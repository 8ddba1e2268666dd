#pragma once
// The seven sections of the printed settings report, in the order they are
// printed. Each starts at the current position of the layout with its title
// and leaves the position at the left margin below it.

#include "model/DeviceConfig.h"

namespace torval {

class PageLayout;

void printGeneralSection(PageLayout& page, const DeviceConfig& config);
void printSmsSection(PageLayout& page, const DeviceConfig& config);
void printInputsSection(PageLayout& page, const DeviceConfig& config);
void printOutputsSection(PageLayout& page, const DeviceConfig& config);
void printAnalogSection(PageLayout& page, const DeviceConfig& config);
void printPhonesSection(PageLayout& page, const DeviceConfig& config);
void printCountersSection(PageLayout& page, const DeviceConfig& config);

// The page header and all seven sections: one whole copy of the report on a
// document that has just been started.
void printReport(PageLayout& page, const DeviceConfig& config);

} // namespace torval
