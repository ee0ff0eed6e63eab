// The board program's pad and text painters: common/pcb's, in the frame of the current view.
#include "tracelyn/core/object_painters.h"

#include "tracelyn/core/board_paint_frame.h"

void DrawPad(plat::Dc& dc, int x, int y, int color, int shape, int xSize, int ySize, int hole, int rotation,
             int mirror)
{
    pcb::DrawPad(CurrentPaintFrame(), dc, x, y, color, shape, xSize, ySize, hole, rotation, mirror);
}

int DrawStrokeText(plat::Dc& dc, int x, int y, std::string_view text, int style, int angleWord, int color)
{
    return pcb::DrawStrokeText(CurrentPaintFrame(), dc, x, y, text, style, angleWord, color);
}

int DrawFontText(plat::Dc& dc, int x, int y, std::string_view text, int style, int angle, int color, int pin)
{
    return pcb::DrawFontText(CurrentPaintFrame(), dc, x, y, text, style, angle, color, pin);
}

void DrawStrokeLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int width)
{
    pcb::DrawStrokeLine(CurrentPaintFrame(), dc, x1, y1, x2, y2, color, width);
}

void DrawStrokeArc(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int width, int angle)
{
    pcb::DrawStrokeArc(CurrentPaintFrame(), dc, x1, y1, x2, y2, color, width, angle);
}
