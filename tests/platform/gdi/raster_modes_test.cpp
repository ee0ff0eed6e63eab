// Raster modes on the raster context: exact per-pixel combination, so that drawing a shape
// twice in an inverting mode gives back the original pixels.
#include "platform/gdi/raster_dc.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace plat {
namespace {

// A busy background, so that an inverting mode that missed or doubled a pixel shows.
void paintBackground(RasterDc& dc)
{
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            dc.SetPixel(x, y, rgb(x * 2, y * 3, (x * y) & 0xFF));
}

std::vector<ColorRef> snapshot(const Dc& dc)
{
    std::vector<ColorRef> px;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            px.push_back(dc.GetPixel(x, y));
    return px;
}

TEST(RasterModes, DrawingTwiceInAnInvertingModeRestoresEveryPixel)
{
    const Point star[] = {{50, 5}, {60, 70}, {10, 25}, {90, 25}, {40, 70}};
    struct Case {
        const char* name;
        std::function<void(Dc&)> draw;
    };
    const std::vector<Case> shapes = {
        {"line", [](Dc& dc) { dc.MoveTo(3, 4); dc.LineTo(97, 61); dc.LineTo(20, 70); }},
        {"dashed line", [](Dc& dc) { dc.SelectObject(Pen(kPsDashDot, 0, rgb(0, 0, 255))); dc.MoveTo(0, 40); dc.LineTo(99, 41); }},
        {"wide line", [](Dc& dc) { dc.SelectObject(Pen(kPsSolid, 7, rgb(255, 0, 0))); dc.MoveTo(10, 10); dc.LineTo(80, 60); }},
        {"rectangle", [](Dc& dc) { dc.SelectObject(Brush::solid(rgb(0, 128, 0))); dc.Rectangle(5, 5, 60, 40); }},
        {"dotted hatched rectangle", [](Dc& dc) { dc.SelectObject(Pen(kPsDot, 0, 0)); dc.SelectObject(Brush::hatched(kHsDiagCross, rgb(9, 9, 9))); dc.Rectangle(12, 7, 88, 66); }},
        {"ellipse", [](Dc& dc) { dc.SelectObject(Pen(kPsSolid, 3, rgb(1, 2, 3))); dc.Ellipse(4, 6, 91, 77); }},
        {"dashed ellipse", [](Dc& dc) { dc.SelectObject(Pen(kPsDash, 0, 0)); dc.Ellipse(4, 6, 91, 77); }},
        {"self-crossing polygon", [&star](Dc& dc) { dc.SelectObject(Brush::solid(rgb(200, 0, 0))); dc.Polygon(star); }},
        {"polyline", [&star](Dc& dc) { dc.Polyline(star); }},
        {"arc", [](Dc& dc) { dc.Arc(10, 10, 90, 70, 90, 40, 50, 10); }},
        {"pie", [](Dc& dc) { dc.Pie(10, 10, 90, 70, 90, 40, 50, 10); }},
        {"round rectangle", [](Dc& dc) { dc.RoundRect(10, 10, 90, 70, 20, 16); }},
    };
    for (const int mode : {kR2Not, kR2XorPen}) {
        for (const Case& c : shapes) {
            SCOPED_TRACE(testing::Message() << c.name << " in mode " << mode);
            RasterDc dc(100, 80);
            paintBackground(dc);
            const std::vector<ColorRef> before = snapshot(dc);
            dc.SetROP2(mode);
            dc.SelectObject(Pen(kPsSolid, 0, rgb(255, 255, 0)));   // exclusive-or with black changes nothing
            c.draw(dc);
            EXPECT_NE(snapshot(dc), before);
            c.draw(dc);
            EXPECT_EQ(snapshot(dc), before);
        }
    }
}

TEST(RasterModes, AllSixteenModesCombinePenAndDestination)
{
    const ColorRef dst = rgb(0xC3, 0x5A, 0x0F);
    const ColorRef pen = rgb(0xF0, 0x33, 0x81);
    const uint32_t P = pen, D = dst;
    const uint32_t expected[17] = {0, 0, ~(P | D), ~P & D, ~P, P & ~D, ~D, P ^ D, ~(P & D), P & D,
                                   ~(P ^ D), D, ~P | D, P, P | ~D, P | D, 0xFFFFFF};
    for (int mode = kR2Black; mode <= kR2White; ++mode) {
        SCOPED_TRACE(mode);
        RasterDc dc(4, 4);
        dc.SetPixel(1, 1, dst);
        dc.SetROP2(mode);
        dc.SelectObject(Pen(kPsSolid, 0, pen));
        dc.MoveTo(1, 1);
        dc.LineTo(2, 1);
        EXPECT_EQ(dc.GetPixel(1, 1), expected[mode] & 0xFFFFFF);
    }
}

TEST(RasterModes, SetPixelAndTextIgnoreTheRasterMode)
{
    RasterDc dc(40, 20);
    dc.SetROP2(kR2Not);
    dc.SetPixel(3, 3, rgb(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(3, 3), rgb(10, 20, 30));
    dc.SetBkMode(kTransparent);
    dc.SetTextColor(rgb(0, 0, 255));
    Font f;
    f.face = "Arial";
    f.height = -14;
    dc.SelectObject(f);
    dc.TextOut(2, 2, "H");
    int blue = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            blue += dc.GetPixel(x, y) == rgb(0, 0, 255) ? 1 : 0;
    EXPECT_GT(blue, 10);
}

TEST(RasterModes, PaletteIndexColoursResolveThroughTheSelectedPalette)
{
    std::vector<PaletteEntry> entries(32);
    entries[7] = {12, 34, 56, 0};
    entries[0] = {1, 1, 1, 0};
    RasterDc dc(10, 10);
    dc.SelectPalette(Palette(entries));
    EXPECT_EQ(dc.RealizePalette(), 32);
    dc.SelectObject(Pen(kPsSolid, 0, paletteIndex(7)));
    dc.MoveTo(0, 0);
    dc.LineTo(5, 0);
    EXPECT_EQ(dc.GetPixel(2, 0), rgb(12, 34, 56));
    // An index past the palette's end draws with entry 0.
    dc.SetPixel(1, 1, paletteIndex(40));
    EXPECT_EQ(dc.GetPixel(1, 1), rgb(1, 1, 1));
    // The default palette of a fresh context has the twenty reserved colours.
    RasterDc fresh(2, 2);
    fresh.SetPixel(0, 0, paletteIndex(13));
    EXPECT_EQ(fresh.GetPixel(0, 0), rgb(255, 0, 0));
}

}  // namespace
}  // namespace plat
