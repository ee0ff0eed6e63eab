#include "schemora/workspace/wizard_pictures.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"

#include <array>

namespace {

// The pictures are drawn on a 100 x 60 grid scaled into the area.
struct Grid {
    const plat::Rect& area;
    int x(int gx) const { return area.left + gx * area.width() / 100; }
    int y(int gy) const { return area.top + gy * area.height() / 60; }
};

void line(plat::Dc& dc, const Grid& g, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(g.x(x1), g.y(y1));
    dc.LineTo(g.x(x2), g.y(y2));
}

void block(plat::Dc& dc, const Grid& g)
{
    dc.Rectangle(g.x(35), g.y(8), g.x(65), g.y(52));
    for (const int y : {16, 26, 36, 46}) {
        line(dc, g, 15, y, 35, y);
        line(dc, g, 65, y, 85, y);
    }
}

void gate(plat::Dc& dc, const Grid& g)
{
    line(dc, g, 35, 12, 35, 48);
    line(dc, g, 35, 12, 50, 12);
    line(dc, g, 35, 48, 50, 48);
    dc.Arc(g.x(32), g.y(12), g.x(68), g.y(48), g.x(50), g.y(48), g.x(50), g.y(12));
    line(dc, g, 15, 20, 35, 20);
    line(dc, g, 15, 40, 35, 40);
    line(dc, g, 68, 30, 85, 30);
}

void amplifier(plat::Dc& dc, const Grid& g)
{
    const std::array<plat::Point, 3> triangle{{{g.x(35), g.y(8)}, {g.x(35), g.y(52)}, {g.x(70), g.y(30)}}};
    dc.Polygon(triangle);
    line(dc, g, 15, 20, 35, 20);
    line(dc, g, 15, 40, 35, 40);
    line(dc, g, 70, 30, 85, 30);
}

void discrete(plat::Dc& dc, const Grid& g)
{
    line(dc, g, 10, 30, 30, 30);
    line(dc, g, 70, 30, 90, 30);
    // A resistor's zigzag from (30, 30) to (70, 30).
    std::array<plat::Point, 9> zigzag{};
    for (int i = 0; i < 9; ++i)
        zigzag[static_cast<size_t>(i)] = {g.x(30 + 5 * i), g.y(i == 0 || i == 8 ? 30 : (i % 2 ? 20 : 40))};
    dc.Polyline(zigzag);
}

}  // namespace

void DrawSymbolTypePicture(plat::Dc& dc, const plat::Rect& area, SymbolKind kind)
{
    dc.FillRect(area, plat::Brush::solid(plat::rgb(255, 255, 255)));
    const plat::Pen oldPen = dc.SelectObject(plat::Pen(plat::kPsSolid, 2, plat::rgb(0, 0, 128)));
    const plat::Brush oldBrush = dc.SelectObject(plat::Brush::hollow());
    const Grid g{area};
    switch (kind) {
    case SymbolKind::Block: block(dc, g); break;
    case SymbolKind::LogicGate: gate(dc, g); break;
    case SymbolKind::Amplifier: amplifier(dc, g); break;
    case SymbolKind::Discrete: discrete(dc, g); break;
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}
