#include "paint_fixture.h"

#include "platform/gdi/raster_dc.h"
#include "support/raster_hash.h"
#include "tracelyn/core/board_grid.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/object_painters.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace paint_test {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct PlainTick {
    int pixel;
    int length;
    double value;
    bool labelled;
};

int64_t ceilMultiple(int64_t value, int64_t step)
{
    const int64_t q = value / step;
    return (q * step < value ? q + 1 : q) * step;
}

// Every tick of one ruler at its own logical position, none merged with another.
std::vector<PlainTick> plainTicks(const plat::Dc& dc, int zoom, bool horizontal)
{
    const int stepMils = kRulerSteps[zoom] * RulerDivisor;
    const int perMil = ScreenLengthAt(10, zoom);
    const int64_t step = int64_t{stepMils} * perMil;
    const int64_t minor = std::max<int64_t>(1, step / (zoom == 7 ? 5 : zoom > 7 ? 10 : 1));
    const plat::Rect v = dc.DPtoLP(g_view.clientRect).normalized();
    std::vector<PlainTick> ticks;
    for (int64_t t = ceilMultiple(horizontal ? v.left : v.top, minor); t <= (horizontal ? v.right : v.bottom); t += minor) {
        const int64_t n = t / step;
        const bool onStep = t % step == 0;
        const int length = !onStep ? 2 : n % 10 == 0 ? 10 : n % 5 == 0 ? 7 : 4;
        const plat::Point p = dc.LPtoDP(horizontal ? plat::Point{static_cast<int>(t), 0} : plat::Point{0, static_cast<int>(t)});
        ticks.push_back({horizontal ? p.x : p.y, length, static_cast<double>(t) / perMil / (10.0 * stepMils),
                         onStep && zoom > 5});
    }
    return ticks;
}

// The rulers drawn the plain way: the faces and base lines, then tick after tick its mark, its
// face line on the next pixel and its label, one DrawLine each.
void drawPlainRulers(plat::Dc& dc)
{
    const int zoom = g_board.zoomIndex;
    const std::vector<PlainTick> top = plainTicks(dc, zoom, true);
    const std::vector<PlainTick> left = plainTicks(dc, zoom, false);
    const int saved = dc.SaveDC();
    dc.SetMapMode(plat::kMmText);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.SelectClipRgn(nullptr);
    g_paint.pixelSize = 1;
    const plat::Rect& r = g_view.clientRect;
    const int face = kDirectColor, faceFill = (15 << 8) | 1, faceLine = (7 << 8) | 1;
    const int mark = RoleColor(kRoleRuler);
    const int w = kRulerWidth;
    DrawRect(dc, r.left, r.top, r.right - 1, r.top + w - 1, face, kStyleSolid, kFillSolid, faceFill);
    DrawRect(dc, r.left, r.top, r.left + w - 1, r.bottom - 1, face, kStyleSolid, kFillSolid, faceFill);
    DrawLine(dc, r.left, r.top + w, r.right, r.top + w, face, kStyleSolid, (8 << 8) | 2);
    DrawLine(dc, r.left + w, r.top, r.left + w, r.bottom, face, kStyleSolid, (8 << 8) | 2);
    DrawLine(dc, r.left + w, r.top + w - 2, r.right, r.top + w - 2, mark, kStyleSolid, 1);
    DrawLine(dc, r.left + w - 2, r.top + w, r.left + w - 2, r.bottom, mark, kStyleSolid, 1);
    const int labelStyle = (9 << 8) | 1;
    for (const PlainTick& t : top) {
        if (t.pixel <= r.left + w)
            continue;
        const int base = r.top + w - 2;
        DrawLine(dc, t.pixel, base - t.length, t.pixel, base, mark, kStyleSolid, 1);
        DrawLine(dc, t.pixel + 1, base - t.length, t.pixel + 1, base, face, kStyleSolid, faceLine);
        if (t.labelled)
            DrawFontText(dc, t.pixel + 2, r.top, RulerLabel(t.value), labelStyle, 0, mark, 0);
    }
    for (const PlainTick& t : left) {
        if (t.pixel <= r.top + w)
            continue;
        const int side = r.left + w - 2;
        DrawLine(dc, side - t.length, t.pixel, side, t.pixel, mark, kStyleSolid, 1);
        DrawLine(dc, side - t.length, t.pixel + 1, side, t.pixel + 1, face, kStyleSolid, faceLine);
        if (t.labelled)
            DrawFontText(dc, r.left + 1, t.pixel + 2, RulerLabel(t.value), labelStyle, 0, mark, 0);
    }
    dc.RestoreDC(saved);
}

// The first pixel where two images differ, as "x,y", or empty when they are alike.
std::string firstDifference(const plat::Bitmap& a, const plat::Bitmap& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return std::to_string(x) + "," + std::to_string(y);
    return {};
}

class RulerTest : public PaintTest {
protected:
    // The rulers of a window of client size, drawn into an image of kWidth x kHeight.
    plat::Bitmap paint(int zoomIndex, void (*draw)(plat::Dc&), const plat::Rect& client = {0, 0, kWidth, kHeight})
    {
        g_board.zoomIndex = zoomIndex;
        g_view.zoomDivisor = ZoomDivisorOf(zoomIndex);
        plat::RasterDc raster(kWidth, kHeight);
        // Black shows the face lines' white wherever they fall outside the rulers' faces.
        quill_test::blacken(raster, plat::Rect{0, 0, kWidth, kHeight});
        PrepareScreenMapping(raster, client);
        raster.SelectPalette(g_boardPalette.palette);
        raster.RealizePalette();
        draw(raster);
        return raster.bitmap();
    }
};

TEST_F(RulerTest, RulersSetThePixelsOfEveryTickDrawnOnItsOwn)
{
    g_boardSettings.rulers = 1;
    struct Origin {
        int32_t x, y;
    };
    // The view centred on the board, and on points that are no multiple of any tick step.
    const Origin origins[] = {{0, 0}, {12347, -5551}, {-3, 7}};
    // A window as large as the image, and one smaller, so that the rulers' last ticks lie in it.
    const plat::Rect clients[] = {{0, 0, kWidth, kHeight}, {0, 0, kWidth - 100, kHeight - 100}};
    for (const bool metric : {false, true}) {
        g_boardSettings.units = metric ? kUnitsMetric : 0;
        for (int zoomIndex = 0; zoomIndex <= 9; ++zoomIndex) {
            for (const Origin& o : origins) {
                for (const plat::Rect& client : clients) {
                    SCOPED_TRACE("zoom " + std::to_string(zoomIndex) + (metric ? " metric" : "") + " at " +
                                 std::to_string(o.x) + "," + std::to_string(o.y) + " in " +
                                 std::to_string(client.right) + " x " + std::to_string(client.bottom));
                    g_board.viewOriginX = o.x * ZoomDivisorOf(zoomIndex);
                    g_board.viewOriginY = o.y * ZoomDivisorOf(zoomIndex);
                    const plat::Bitmap drawn = paint(zoomIndex, DrawRulers, client);
                    const plat::Bitmap plain = paint(zoomIndex, drawPlainRulers, client);
                    if (quill_test::rasterHash(drawn) != quill_test::rasterHash(plain))
                        ADD_FAILURE() << "the images first differ at " << firstDifference(drawn, plain);
                }
            }
        }
    }
}

TEST_F(RulerTest, RulersDrawNothingWhenSwitchedOff)
{
    g_boardSettings.rulers = 0;
    const plat::Bitmap drawn = paint(2, DrawRulers);
    for (const plat::Point p : {plat::Point{0, 0}, plat::Point{kWidth / 2, 5}, plat::Point{5, kHeight / 2}})
        EXPECT_EQ(drawn.pixel(p.x, p.y), plat::rgb(0, 0, 0));
}

}  // namespace
}  // namespace paint_test
