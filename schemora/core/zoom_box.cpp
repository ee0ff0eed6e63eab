#include "schemora/core/zoom_box.h"

#include "schemora/core/paint_style.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"

ZoomBoxState g_zoomBox;

namespace {

void drawBox(plat::Dc& dc, const plat::Rect& client, plat::Point centre)
{
    const plat::Size span = NormalViewSpan(client);
    const int halfW = span.cx / 2, halfH = span.cy / 2;
    DrawObjectInMode(dc, 0, kModeInvert);
    {
        const ScopedPen pen(dc, MakePen(kRoleEdit, 0, 1));
        const ScopedBrush brush(dc, plat::stockBrush(plat::kNullBrush));
        dc.Rectangle(centre.x - halfW, centre.y - halfH, centre.x + halfW, centre.y + halfH);
    }
    DrawObjectInMode(dc, 0, kModeCopy);
}

}  // namespace

void DrawZoomBox(plat::Dc& dc, const plat::Rect& client, plat::Point centre, bool erasePrevious)
{
    if (g_zoomBox.shown && erasePrevious)
        drawBox(dc, client, g_zoomBox.centre);
    drawBox(dc, client, centre);
    g_zoomBox = {true, centre};
}

void RedrawZoomBox(plat::Dc& dc, const plat::Rect& client)
{
    if (g_zoomBox.shown)
        drawBox(dc, client, g_zoomBox.centre);
}

void ForgetZoomBox() { g_zoomBox.shown = false; }
