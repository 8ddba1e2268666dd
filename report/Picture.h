#pragma once
// A recorded drawing: the operations that a RecordingSurface received, kept
// so that the same drawing can be replayed on another surface at an offset
// (the level graph is drawn once and placed beside its block in the report).

#include "report/Surface.h"

#include <memory>
#include <vector>

namespace torval {

struct SurfaceOp {
    enum class Kind { Clear, Color, LineWidth, Font, FillRect, Line, Text, Picture, NewPage };
    Kind kind = Kind::Clear;
    int x1 = 0; // FillRect, Line: first corner/end; Text, Picture: top left
    int y1 = 0;
    int x2 = 0; // FillRect, Line: second corner/end
    int y2 = 0;
    Rgb color;                              // Color, and the colour in force for drawing operations
    int lineWidth = 0;                      // LineWidth, and the width in force for lines
    FontSpec font;                          // Font, and the font in force for texts
    QString text;                           // Text
    std::shared_ptr<const Picture> picture; // Picture
};

struct Picture {
    int width = 0;
    int height = 0;
    Rgb background = kWhite;
    std::vector<SurfaceOp> ops;
};

// Replays every operation of the picture on the target shifted by (x, y).
// Clearing fills only the picture's own area; the target's colour, line width
// and font are restored afterwards.
void replayPicture(Surface& target, int x, int y, const Picture& picture);

} // namespace torval
