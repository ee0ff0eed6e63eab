// Text on the raster context: measured extents match the drawn glyphs; alignment, escapement
// and the face table.
#include "platform/gdi/font_table.h"
#include "platform/gdi/raster_dc.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace plat {
namespace {

constexpr ColorRef kWhite = rgb(255, 255, 255);

Rect inkBox(const Dc& dc, int width, int height)
{
    Rect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (dc.GetPixel(x, y) != kWhite) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return r;
}

Font arial(int height, int escapement = 0)
{
    Font f;
    f.face = "Arial";
    f.height = height;
    f.escapement = f.orientation = escapement;
    return f;
}

// At small sizes a stem narrower than a pixel must still leave ink: an "I" never vanishes, so
// "IN" never reads "N", at any size and any sub-pixel place the mapping gives it.
TEST(Text, ThinStemsOfSmallTextKeepTheirPixels)
{
    for (int height = 5; height <= 14; ++height) {
        for (int offset = 0; offset < 10; ++offset) {
            SCOPED_TRACE(std::to_string(height) + " px at +" + std::to_string(offset) + "/10");
            RasterDc dc(60, 40);
            dc.SetMapMode(kMmAnisotropic);
            dc.SetWindowExt(100, 100);
            dc.SetViewportExt(10, 10);
            dc.SelectObject(arial(-height * 10));
            dc.SetBkMode(kTransparent);
            dc.TextOut(100 + offset, 100, "I");
            dc.SetMapMode(kMmText);
            const Rect ink = inkBox(dc, 60, 40);
            EXPECT_LT(ink.left, ink.right) << "the stem left no pixel";
        }
    }
}

TEST(Text, ExtentMatchesTheDrawnGlyphs)
{
    for (const char* face : {"Arial", "Times New Roman", "Courier New", "Wingdings"}) {
        SCOPED_TRACE(face);
        RasterDc dc(300, 60);
        Font f = arial(-24);
        f.face = face;
        dc.SelectObject(f);
        dc.SetBkMode(kTransparent);
        dc.TextOut(10, 10, "Hamburg 1234");
        const Size extent = dc.GetTextExtent("Hamburg 1234");
        const Rect ink = inkBox(dc, 300, 60);
        EXPECT_GE(ink.left, 10);
        EXPECT_LE(ink.right, 10 + extent.cx);
        EXPECT_GE(ink.right, 10 + extent.cx - 4);
        EXPECT_GE(ink.top, 10);
        EXPECT_LE(ink.bottom, 10 + extent.cy);
        const TextMetrics m = dc.GetTextMetrics();
        EXPECT_EQ(m.tmHeight, extent.cy);
        EXPECT_EQ(m.tmHeight - m.tmInternalLeading, 24);   // negative height: character height
        // Opaque mode paints exactly the extent box in the background colour.
        RasterDc opaque(300, 60);
        opaque.SelectObject(f);
        opaque.SetBkColor(rgb(0, 255, 0));
        opaque.TextOut(10, 10, "Hamburg 1234");
        EXPECT_EQ(inkBox(opaque, 300, 60), (Rect{10, 10, 10 + extent.cx, 10 + extent.cy}));
    }
}

TEST(Text, AverageWidthStretchesAndPositiveHeightIsTheCell)
{
    RasterDc dc(10, 10);
    Font narrow = arial(-30);
    narrow.width = 5;
    dc.SelectObject(narrow);
    const int narrowWidth = dc.GetTextExtent("MMMMMMMMMM").cx;
    Font wide = narrow;
    wide.width = 20;
    dc.SelectObject(wide);
    const int wideWidth = dc.GetTextExtent("MMMMMMMMMM").cx;
    EXPECT_NEAR(double(wideWidth) / narrowWidth, 4.0, 0.1);
    EXPECT_EQ(dc.GetTextMetrics().tmAveCharWidth, 20);

    dc.SelectObject(arial(40));
    EXPECT_NEAR(dc.GetTextMetrics().tmHeight, 40, 1);
}

TEST(Text, AlignmentMovesTheBoxAroundTheReferencePoint)
{
    struct Case { unsigned align; int dx; int dy; };   // box origin relative to the point
    RasterDc probe(10, 10);
    probe.SelectObject(arial(-20));
    const Size e = probe.GetTextExtent("Wq");
    const TextMetrics m = probe.GetTextMetrics();
    const Case cases[] = {
        {kTaLeft | kTaTop, 0, 0}, {kTaRight | kTaTop, -e.cx, 0}, {kTaCenter | kTaTop, -(e.cx / 2), 0},
        {kTaLeft | kTaBaseline, 0, -m.tmAscent}, {kTaLeft | kTaBottom, 0, -e.cy},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.align);
        RasterDc dc(120, 80);
        dc.SelectObject(arial(-20));
        dc.SetBkColor(rgb(0, 0, 255));
        dc.SetTextAlign(c.align);
        dc.TextOut(60, 40, "Wq");
        EXPECT_EQ(inkBox(dc, 120, 80), (Rect{60 + c.dx, 40 + c.dy, 60 + c.dx + e.cx, 40 + c.dy + e.cy}));
    }
}

TEST(Text, EscapementTurnsCounterClockwiseAndMirroringKeepsGlyphs)
{
    RasterDc dc(100, 200);
    dc.SelectObject(arial(-20, 900));
    dc.SetBkMode(kTransparent);
    dc.TextOut(30, 180, "ABCDEFG");
    const Size e = dc.GetTextExtent("ABCDEFG");
    const Rect ink = inkBox(dc, 100, 200);
    // Turned a quarter to the left: the text runs upwards from the point, the glyphs' tops at
    // the point's side.
    EXPECT_LE(ink.bottom, 181);
    EXPECT_GE(ink.top, 180 - e.cx - 1);
    EXPECT_LT(ink.top, 180 - e.cx + 8);
    EXPECT_GE(ink.left, 29);
    EXPECT_LE(ink.right, 30 + e.cy + 1);
    EXPECT_LT(ink.left, 30 + e.cy / 3);       // capitals reach up to the point's side

    // Under a mirrored mapping only the reference point moves; the glyphs read as before.
    RasterDc plain(100, 40), mirrored(100, 40);
    for (RasterDc* d : {&plain, &mirrored})
        d->SelectObject(arial(-20));
    plain.TextOut(10, 5, "Rk");
    mirrored.SetMapMode(kMmAnisotropic);
    mirrored.SetWindowExt(1, 1);
    mirrored.SetViewportExt(-1, 1);
    mirrored.SetViewportOrg(100, 0);
    mirrored.TextOut(90, 5, "Rk");
    mirrored.SetMapMode(kMmText);
    mirrored.SetViewportOrg(0, 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(plain.GetPixel(x, y), mirrored.GetPixel(x, y)) << x << "," << y;
}

TEST(FontTable, MapsTheProgramsFacesToInstalledFonts)
{
    EXPECT_EQ(substituteFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(substituteFamily("times new roman"), "Liberation Serif");
    EXPECT_EQ(substituteFamily("Courier New"), "Liberation Mono");
    EXPECT_EQ(substituteFamily("Courier"), "Liberation Mono");
    EXPECT_EQ(substituteFamily("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(substituteFamily("Symbol"), "DejaVu Sans");
    EXPECT_EQ(substituteFamily("Wingdings"), "DejaVu Sans");
    EXPECT_EQ(substituteFamily("font#17"), "");
    EXPECT_EQ(fallbackFamily(0x31), "DejaVu Sans Mono");
    EXPECT_EQ(fallbackFamily(0x12), "DejaVu Serif");
    EXPECT_EQ(fallbackFamily(0x22), "DejaVu Sans");
}

}  // namespace
}  // namespace plat
