// Which pixels the shapes cover on the raster context.
#include "platform/gdi/raster_dc.h"

#include <gtest/gtest.h>

#include <string>

namespace plat {
namespace {

constexpr ColorRef kWhite = rgb(255, 255, 255);
constexpr ColorRef kBlack = rgb(0, 0, 0);

// Rows of the area as '#' for black, '+' for any other non-white colour and '.' for white.
std::string picture(const Dc& dc, int width, int height)
{
    std::string s;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const ColorRef c = dc.GetPixel(x, y);
            s += c == kWhite ? '.' : c == kBlack ? '#' : '+';
        }
        s += '\n';
    }
    return s;
}

int count(const Dc& dc, int width, int height, ColorRef c)
{
    int n = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            n += dc.GetPixel(x, y) == c ? 1 : 0;
    return n;
}

TEST(Coverage, LinesLeaveOutTheirEndPoint)
{
    RasterDc dc(8, 6);
    dc.MoveTo(1, 1);
    dc.LineTo(5, 1);
    dc.LineTo(5, 4);
    dc.MoveTo(1, 3);
    dc.LineTo(3, 5);
    EXPECT_EQ(picture(dc, 8, 6), "........\n"
                                 ".#####..\n"
                                 ".....#..\n"
                                 ".#...#..\n"
                                 "..#.....\n"
                                 "........\n");
    EXPECT_EQ(dc.GetCurrentPosition(), (Point{3, 5}));
}

TEST(Coverage, RectanglesLeaveOutRightAndBottomEdges)
{
    RasterDc dc(8, 7);
    dc.SelectObject(Brush::solid(rgb(255, 0, 0)));
    dc.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(picture(dc, 8, 7), "........\n"
                                 ".#####..\n"
                                 ".#+++#..\n"
                                 ".#+++#..\n"
                                 ".#####..\n"
                                 "........\n"
                                 "........\n");
    // Without a pen the filled area is one pixel smaller still.
    RasterDc bare(8, 7);
    bare.SelectObject(stockPen(kNullPen));
    bare.SelectObject(Brush::solid(kBlack));
    bare.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(picture(bare, 8, 7), "........\n"
                                   ".####...\n"
                                   ".####...\n"
                                   ".####...\n"
                                   "........\n"
                                   "........\n"
                                   "........\n");
    // FillRect covers exactly the rectangle.
    RasterDc filled(8, 7);
    filled.FillRect(Rect{2, 2, 5, 4}, Brush::solid(kBlack));
    EXPECT_EQ(count(filled, 8, 7, kBlack), 6);
}

TEST(Coverage, EllipsesStayInsideTheirBoxAndTouchEachSide)
{
    RasterDc dc(30, 30);
    dc.SelectObject(Brush::solid(rgb(0, 0, 255)));
    dc.Ellipse(3, 5, 23, 19);
    int left = 99, right = -1, top = 99, bottom = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            if (dc.GetPixel(x, y) != kWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(left, 3);
    EXPECT_EQ(right, 22);
    EXPECT_EQ(top, 5);
    EXPECT_EQ(bottom, 18);
    EXPECT_EQ(dc.GetPixel(13, 12), rgb(0, 0, 255));    // filled inside
    EXPECT_EQ(dc.GetPixel(3, 12), kBlack);             // outlined at the edge
}

TEST(Coverage, DashedOnlyAtOnePixel)
{
    RasterDc thin(60, 10);
    thin.SelectObject(Pen(kPsDash, 0, kBlack));
    thin.SetBkMode(kTransparent);
    thin.MoveTo(0, 2);
    thin.LineTo(60, 2);
    // 18 pixels on, 6 off.
    EXPECT_EQ(thin.GetPixel(17, 2), kBlack);
    EXPECT_EQ(thin.GetPixel(18, 2), kWhite);
    EXPECT_EQ(thin.GetPixel(23, 2), kWhite);
    EXPECT_EQ(thin.GetPixel(24, 2), kBlack);
    // The pattern continues along the next LineTo from the same point.
    thin.LineTo(60, 9);
    thin.MoveTo(0, 5);
    thin.LineTo(10, 5);
    thin.LineTo(20, 5);
    EXPECT_EQ(thin.GetPixel(18, 5), kWhite);

    // In opaque mode the gaps take the background colour.
    RasterDc opaque(30, 4);
    opaque.SelectObject(Pen(kPsDot, 0, kBlack));
    opaque.SetBkColor(rgb(0, 255, 0));
    opaque.MoveTo(0, 1);
    opaque.LineTo(30, 1);
    EXPECT_EQ(opaque.GetPixel(1, 1), kBlack);
    EXPECT_EQ(opaque.GetPixel(4, 1), rgb(0, 255, 0));

    // A wider styled pen draws solid.
    RasterDc wide(60, 10);
    wide.SelectObject(Pen(kPsDash, 3, kBlack));
    wide.MoveTo(5, 5);
    wide.LineTo(55, 5);
    for (int x = 5; x < 55; ++x)
        EXPECT_EQ(wide.GetPixel(x, 5), kBlack) << x;
}

TEST(Coverage, HatchesAreEightPixelPatternsFixedToTheDevice)
{
    // The same hatch filled at two offsets lines up pixel for pixel where both cover.
    RasterDc a(40, 40), b(40, 40);
    for (RasterDc* dc : {&a, &b}) {
        dc->SelectObject(stockPen(kNullPen));
        dc->SelectObject(Brush::hatched(kHsBDiagonal, kBlack));
        dc->SetBkMode(kTransparent);
    }
    a.Rectangle(0, 0, 41, 41);
    b.SetMapMode(kMmAnisotropic);
    b.SetWindowOrg(-3, -5);               // shapes move; the pattern does not
    b.Rectangle(0, 0, 30, 30);
    b.SetWindowOrg(0, 0);
    for (int y = 5; y < 30; ++y)
        for (int x = 3; x < 30; ++x)
            ASSERT_EQ(a.GetPixel(x, y), b.GetPixel(x, y)) << x << "," << y;
    // One diagonal line per 8x8 cell, running up to the right.
    EXPECT_EQ(count(a, 40, 40, kBlack), 40 * 40 / 8);
    EXPECT_EQ(a.GetPixel(7, 0), kBlack);
    EXPECT_EQ(a.GetPixel(6, 1), kBlack);
    EXPECT_EQ(a.GetPixel(0, 7), kBlack);

    struct Case { int hatch; int perCell; };
    for (const Case c : {Case{kHsHorizontal, 8}, Case{kHsVertical, 8}, Case{kHsFDiagonal, 8},
                         Case{kHsCross, 15}, Case{kHsDiagCross, 16}, Case{6, 64}, Case{97, 64}}) {
        SCOPED_TRACE(c.hatch);
        RasterDc dc(16, 16);
        dc.SelectObject(stockPen(kNullPen));
        dc.SelectObject(Brush::hatched(c.hatch, kBlack));
        dc.Rectangle(0, 0, 17, 17);
        EXPECT_EQ(count(dc, 16, 16, kBlack), 4 * c.perCell);
    }
}

TEST(Coverage, ArcsRunCounterClockwiseBetweenRadials)
{
    // From the right-hand radial to the top one: only the upper right quarter.
    RasterDc dc(40, 40);
    dc.Arc(0, 0, 40, 40, 40, 20, 20, 0);
    int upperRight = 0, elsewhere = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (dc.GetPixel(x, y) == kBlack)
                (x >= 19 && y <= 20 ? upperRight : elsewhere) += 1;
    EXPECT_GT(upperRight, 20);
    EXPECT_EQ(elsewhere, 0);
    // Swapping the radials draws the other three quarters.
    RasterDc rest(40, 40);
    rest.Arc(0, 0, 40, 40, 20, 0, 40, 20);
    EXPECT_EQ(rest.GetPixel(0, 20), kBlack);
    EXPECT_EQ(rest.GetPixel(35, 5), kWhite);
}

TEST(Coverage, PolygonFillModes)
{
    // A five-pointed star: its centre is outside with alternate fill, inside with winding.
    const Point star[] = {{20, 1}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
    for (const int mode : {kAlternate, kWinding}) {
        SCOPED_TRACE(mode);
        RasterDc dc(40, 40);
        dc.SelectObject(stockPen(kNullPen));
        dc.SelectObject(Brush::solid(kBlack));
        dc.SetPolyFillMode(mode);
        dc.Polygon(star);
        EXPECT_EQ(dc.GetPixel(20, 22), mode == kWinding ? kBlack : kWhite);
        EXPECT_EQ(dc.GetPixel(20, 8), kBlack);
    }
}

TEST(Coverage, ClipRectanglesAndRegionsLimitDrawing)
{
    RasterDc dc(20, 20);
    dc.SetMapMode(kMmAnisotropic);
    dc.SetWindowExt(2, 2);
    dc.SetViewportExt(1, 1);              // logical units are half pixels
    EXPECT_EQ(dc.IntersectClipRect(10, 10, 20, 30), kSimpleRegion);
    Rect box;
    dc.GetClipBox(box);
    EXPECT_EQ(box, (Rect{10, 10, 20, 30}));
    dc.SelectObject(Brush::solid(kBlack));
    dc.Rectangle(0, 0, 40, 40);
    dc.SetMapMode(kMmText);
    EXPECT_EQ(count(dc, 20, 20, kBlack), 5 * 10);

    // A polygon clip region, in device pixels; SelectClipRgn(nullptr) lifts it.
    RasterDc tri(20, 20);
    const Point corners[] = {{0, 0}, {20, 0}, {0, 20}};
    const Region region = Region::polygon(corners, kAlternate);
    tri.SelectClipRgn(&region);
    tri.FillRect(Rect{0, 0, 20, 20}, Brush::solid(kBlack));
    EXPECT_EQ(tri.GetPixel(2, 2), kBlack);
    EXPECT_EQ(tri.GetPixel(18, 18), kWhite);
    tri.SelectClipRgn(nullptr);
    tri.FillRect(Rect{0, 0, 20, 20}, Brush::solid(kBlack));
    EXPECT_EQ(tri.GetPixel(18, 18), kBlack);

    // The system clip of a paint stays when the programs reset their own.
    RasterDc paint(10, 10);
    paint.setSystemClip(Region(Rect{0, 0, 5, 10}));
    paint.SelectClipRgn(nullptr);
    paint.FillRect(Rect{0, 0, 10, 10}, Brush::solid(kBlack));
    EXPECT_EQ(count(paint, 10, 10, kBlack), 50);
}

TEST(Coverage, SaveAndRestoreBringBackObjectsModesAndClip)
{
    RasterDc dc(10, 10);
    const int level = dc.SaveDC();
    dc.SelectObject(Pen(kPsDot, 3, rgb(1, 2, 3)));
    dc.SetROP2(kR2Not);
    dc.SetMapMode(kMmAnisotropic);
    dc.IntersectClipRect(0, 0, 2, 2);
    EXPECT_TRUE(dc.RestoreDC(level));
    EXPECT_EQ(dc.GetCurrentPen(), stockPen(kBlackPen));
    EXPECT_EQ(dc.GetROP2(), kR2CopyPen);
    EXPECT_EQ(dc.GetMapMode(), kMmText);
    dc.FillRect(Rect{0, 0, 10, 10}, Brush::solid(kBlack));
    EXPECT_EQ(count(dc, 10, 10, kBlack), 100);
    EXPECT_FALSE(dc.RestoreDC(-1));
    // SelectObject hands back what was selected, so a painter can put it back.
    const Brush old = dc.SelectObject(Brush::hollow());
    EXPECT_EQ(old, stockBrush(kWhiteBrush));
}

}  // namespace
}  // namespace plat
