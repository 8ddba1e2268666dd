#pragma once
// The level graph of one analog input: its range with the two levels CL1 and
// CL2, their hysteresis bands and the three states they separate. The analog
// dialog draws it live as the technician types; the printed report records
// it as a picture beside each input's block.

#include "model/DeviceConfig.h"

#include <QString>

namespace torval {

class Surface;

// Size of the graph in the dialog and in the report, in twips.
inline constexpr int kGraphWidth = 3495;
inline constexpr int kGraphHeight = 2535;

// Draws the graph on the whole surface (of the given size) in Arial 6.75 pt.
// The four texts are level and hysteresis texts as typed; the graph shows the
// values the station would store (quantised on the 255-step grid of the
// scale). `negated` only adds the raw input value to the two axis labels.
void graphMake(Surface& surface, const AnalogScale& scale, const QString& cl1, const QString& hcl1, const QString& cl2,
               const QString& hcl2, bool negated, int width = kGraphWidth, int height = kGraphHeight);

// One text at (x, y): centred on x, or right-aligned 50 twips before x after
// clearing the label margin from 0 to x in the background colour. Vertically
// centred on y. A `covered` label only clears its margin: a later label
// hides it.
void drawGraphLabel(Surface& surface, int x, int y, const QString& text, bool centred, bool covered = false);

} // namespace torval
