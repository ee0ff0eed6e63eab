// One-pixel lines on the raster context: a line that runs far beyond the image paints what
// lies in the image, with its dash pattern where the same line cut at the edge would have it,
// and costs no more than the image is wide.
#include "platform/gdi/qt_geometry.h"
#include "platform/gdi/raster_dc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace plat {
namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 80;

std::vector<ColorRef> pixels(const std::function<void(Dc&)>& draw)
{
    RasterDc dc(kWidth, kHeight);
    draw(dc);
    std::vector<ColorRef> px;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            px.push_back(dc.GetPixel(x, y));
    return px;
}

std::function<void(Dc&)> line(int style, Point from, Point to)
{
    return [=](Dc& dc) {
        dc.SelectObject(Pen(style, 0, rgb(0, 0, 255)));
        dc.MoveTo(from.x, from.y);
        dc.LineTo(to.x, to.y);
    };
}

TEST(RasterCanvas, LinesFarBeyondTheImagePaintAsTheirVisiblePart)
{
    constexpr int kFar = 2000000000;
    struct Case {
        const char* name;
        std::function<void(Dc&)> far;
        std::function<void(Dc&)> near;
    };
    const std::vector<Case> cases = {
        {"solid, to the right", line(kPsSolid, {-5, 40}, {kFar, 40}), line(kPsSolid, {-5, 40}, {200, 40})},
        {"dashed, to the right", line(kPsDash, {-5, 40}, {kFar, 40}), line(kPsDash, {-5, 40}, {200, 40})},
        {"dashed, from far left", line(kPsDashDot, {kFar - 7, 30}, {-kFar - 7, 30}),
         line(kPsDashDot, {kFar - 7, 30}, {-200, 30})},
        {"dashed, downwards", line(kPsDot, {20, 3}, {20, kFar}), line(kPsDot, {20, 3}, {20, 300})},
        {"solid, steep from far above", line(kPsSolid, {10, -kFar}, {10, kFar}), line(kPsSolid, {10, -5}, {10, 200})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ColorRef> far = pixels(c.far);
        EXPECT_EQ(far, pixels(c.near));
        EXPECT_NE(far, pixels([](Dc&) {}));
    }
}

TEST(RasterCanvas, DashedOutlinesFarBeyondTheImageStillPaintTheirVisibleEdges)
{
    // As wide as a box's width still fits an int.
    constexpr int kFar = 1000000000;
    const std::vector<ColorRef> blank = pixels([](Dc&) {});
    const std::vector<ColorRef> outline = pixels([](Dc& dc) {
        dc.SelectObject(Pen(kPsDash, 0, rgb(255, 0, 0)));
        dc.SelectObject(stockBrush(kNullBrush));
        dc.Rectangle(-kFar, 20, kFar, kFar);
    });
    int red = 0;
    for (int x = 0; x < kWidth; ++x)
        red += outline[static_cast<size_t>(20 * kWidth + x)] == rgb(255, 0, 0);
    EXPECT_GT(red, kWidth / 3);
    EXPECT_LT(red, kWidth);
    EXPECT_EQ(outline[static_cast<size_t>(60 * kWidth + 50)], blank[static_cast<size_t>(60 * kWidth + 50)]);
}

// The walks ask a bit per pixel; the pattern the printer and the rasteriser get is the source.
TEST(RasterCanvas, PixelWalksDashLikeThePenPattern)
{
    for (const int style : {int{kPsSolid}, int{kPsDash}, int{kPsDot}, int{kPsDashDot}, int{kPsDashDotDot}, int{kPsNull}, 99}) {
        SCOPED_TRACE(style);
        const gdi::DashBits bits(style);
        const int length = gdi::dashLength(style);
        EXPECT_EQ(bits.solid(), length == 0);
        for (const int64_t position : {int64_t{0}, int64_t{1}, int64_t{5}, int64_t{17}, int64_t{23}, int64_t{24},
                                       int64_t{1000003}, int64_t{1} << 40}) {
            const int phase = length > 0 ? static_cast<int>(position % length) : 0;
            EXPECT_EQ(bits.phase(position), phase) << position;
            EXPECT_EQ(bits.on(position), gdi::dashOn(style, phase)) << position;
        }
        int drawn = 0;
        for (int i = 0; i < 48; ++i)
            drawn += bits.on(i);
        EXPECT_EQ(drawn == 48, length == 0);
    }
}

// Rectangles with a one-pixel pen against a model: the outline's pixels (right column and
// bottom row inside the box) in the pen, the rest in the brush, each pixel combined once through
// the raster mode, only inside the clip. Covers the pen in the brush's own colour, another
// colour, a hollow brush, inverting modes, boxes two pixels thin, and an L-shaped clip.
TEST(RasterCanvas, OnePixelRectanglesSetTheirOutlineAndInsideOnce)
{
    struct Case {
        const char* name;
        Rect box;
        ColorRef pen, brush;
        bool hollow;
        int rop2;
    };
    const ColorRef red = rgb(200, 0, 0), blue = rgb(0, 0, 220);
    const Case cases[] = {
        {"same colour", {10, 12, 60, 50}, red, red, false, kR2CopyPen},
        {"two colours", {10, 12, 60, 50}, red, blue, false, kR2CopyPen},
        {"hollow", {10, 12, 60, 50}, red, blue, true, kR2CopyPen},
        {"same colour, inverting", {10, 12, 60, 50}, red, red, false, kR2XorPen},
        {"two colours, inverting", {5, 5, 95, 75}, red, blue, false, kR2NotXorPen},
        {"two pixels tall", {20, 30, 70, 32}, red, blue, false, kR2XorPen},
        {"two pixels wide", {20, 10, 22, 60}, red, red, false, kR2CopyPen},
        {"beyond the image", {-20, -20, 150, 120}, red, blue, false, kR2XorPen},
    };
    // An L: the left half of the image and its bottom quarter.
    const std::vector<Point> ell = {{0, 0}, {50, 0}, {50, 60}, {100, 60}, {100, 80}, {0, 80}};
    const Region clip = Region::polygon(ell, kAlternate);
    const ColorRef ground = rgb(30, 160, 90);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ColorRef> drawn = pixels([&](Dc& dc) {
            dc.FillRect(Rect{0, 0, kWidth, kHeight}, Brush::solid(ground));
            dc.SelectClipRgn(&clip);
            dc.SetROP2(c.rop2);
            dc.SelectObject(Pen(kPsSolid, 0, c.pen));
            dc.SelectObject(c.hollow ? stockBrush(kNullBrush) : Brush::solid(c.brush));
            dc.Rectangle(c.box.left, c.box.top, c.box.right, c.box.bottom);
        });
        const std::vector<ColorRef> model = pixels([&](Dc& dc) {
            dc.FillRect(Rect{0, 0, kWidth, kHeight}, Brush::solid(ground));
            dc.SetROP2(c.rop2);
            const Rect& b = c.box;
            for (int y = std::max(b.top, 0); y < std::min(b.bottom, kHeight); ++y)
                for (int x = std::max(b.left, 0); x < std::min(b.right, kWidth); ++x) {
                    if (!clip.PtInRegion(x, y))
                        continue;
                    const bool rim = x == b.left || x == b.right - 1 || y == b.top || y == b.bottom - 1;
                    if (!rim && c.hollow)
                        continue;
                    // A one-pixel line of one pixel: the pen through the raster mode.
                    dc.SelectObject(Pen(kPsSolid, 0, rim ? c.pen : c.brush));
                    dc.MoveTo(x, y);
                    dc.LineTo(x + 1, y);
                }
        });
        EXPECT_EQ(drawn, model);
    }
}

// The canvas keeps the clip's rectangles between primitives; every way a program or the window
// system changes the clip must reach the next primitive.
TEST(RasterCanvas, EveryClipChangeReachesTheNextPrimitive)
{
    auto fill = [](Dc& dc, ColorRef colour) {
        dc.SelectObject(stockPen(kNullPen));
        dc.SelectObject(Brush::solid(colour));
        dc.Rectangle(0, 0, kWidth + 1, kHeight + 1);
    };
    const Region left(Rect{0, 0, 40, kHeight});
    const Region top(Rect{0, 0, kWidth, 30});
    struct Change {
        const char* name;
        std::function<void(Dc&)> change;
    };
    const std::vector<Change> changes = {
        {"another region", [&](Dc& dc) { dc.SelectClipRgn(&top); }},
        {"no region", [&](Dc& dc) { dc.SelectClipRgn(nullptr); }},
        {"a rectangle cut out", [&](Dc& dc) { dc.IntersectClipRect(10, 10, 20, 70); }},
        {"a saved state restored", [&](Dc& dc) { dc.RestoreDC(-1); }},
        {"the window system's limit", [&](Dc& dc) { dc.setSystemClip(Region(Rect{50, 50, 90, 70})); }},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.name);
        auto draw = [&](bool first) {
            return pixels([&](Dc& dc) {
                dc.SaveDC();
                dc.SelectClipRgn(&left);
                if (first)
                    fill(dc, rgb(200, 0, 0));
                c.change(dc);
                fill(dc, rgb(0, 0, 200));
            });
        };
        // Blue where the changed clip lets it, red from the first fill elsewhere in the left band.
        std::vector<ColorRef> expected = draw(false);
        const std::vector<ColorRef> onlyRed = pixels([&](Dc& dc) {
            dc.SelectClipRgn(&left);
            fill(dc, rgb(200, 0, 0));
        });
        for (size_t i = 0; i < expected.size(); ++i)
            if (expected[i] != rgb(0, 0, 200))
                expected[i] = onlyRed[i];
        EXPECT_EQ(draw(true), expected);
    }
}

}  // namespace
}  // namespace plat
