#include "report/Picture.h"

namespace torval {

void Surface::drawPicture(int x, int y, const Picture& picture)
{
    replayPicture(*this, x, y, picture);
}

void replayPicture(Surface& target, int x, int y, const Picture& picture)
{
    const Rgb savedColor = target.color();
    const int savedWidth = target.lineWidth();
    const FontSpec savedFont = target.font();

    for (const SurfaceOp& op : picture.ops) {
        switch (op.kind) {
        case SurfaceOp::Kind::Clear: {
            // Only the picture's own area is the picture's background.
            const Rgb keep = target.color();
            target.setColor(picture.background);
            target.fillRect(x, y, x + picture.width, y + picture.height);
            target.setColor(keep);
            break;
        }
        case SurfaceOp::Kind::Color: target.setColor(op.color); break;
        case SurfaceOp::Kind::LineWidth: target.setLineWidth(op.lineWidth); break;
        case SurfaceOp::Kind::Font: target.setFont(op.font); break;
        case SurfaceOp::Kind::FillRect: target.fillRect(x + op.x1, y + op.y1, x + op.x2, y + op.y2); break;
        case SurfaceOp::Kind::Line: target.drawLine(x + op.x1, y + op.y1, x + op.x2, y + op.y2); break;
        case SurfaceOp::Kind::Text: target.drawText(x + op.x1, y + op.y1, op.text); break;
        case SurfaceOp::Kind::Picture:
            if (op.picture)
                target.drawPicture(x + op.x1, y + op.y1, *op.picture);
            break;
        case SurfaceOp::Kind::NewPage: break; // a picture never breaks the page it is placed on
        }
    }

    target.setColor(savedColor);
    target.setLineWidth(savedWidth);
    target.setFont(savedFont);
}

} // namespace torval
