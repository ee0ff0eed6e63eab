// A grid of single pixels set in one call lights exactly what SetPixel at every crossing
// lights, under every mapping and clip, and a recording context still sees the single calls.
#include "platform/gdi/raster_dc.h"
#include "platform/gdi/recording_dc.h"
#include "platform/gdi/region.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plat {
namespace {

constexpr int kWidth = 90;
constexpr int kHeight = 70;

struct Case {
    std::string name;
    std::function<void(Dc&)> map;        // mapping of the context
    std::optional<Region> clip;          // device pixels
};

// The image drawn, encoded: equal encodings are equal pixels.
std::vector<uint8_t> pixelsOf(const Case& c, const std::function<void(Dc&)>& draw)
{
    RasterDc dc(kWidth, kHeight);
    c.map(dc);
    if (c.clip)
        dc.SelectClipRgn(&*c.clip);
    draw(dc);
    return dc.bitmap().encodePng();
}

TEST(PixelGrid, SetsWhatSetPixelAtEveryCrossingSets)
{
    const auto identity = [](Dc&) {};
    const auto scaled = [](Dc& dc) {
        dc.SetMapMode(kMmAnisotropic);
        dc.SetWindowExt(1000, 1000);
        dc.SetViewportExt(333, 250);
        dc.SetWindowOrg(-40, 17);
    };
    const auto mirrored = [](Dc& dc) {
        dc.SetMapMode(kMmAnisotropic);
        dc.SetWindowExt(7, 3);
        dc.SetViewportExt(-5, 2);
        dc.SetViewportOrg(80, 4);
    };
    const Point triangle[] = {{5, 5}, {80, 20}, {20, 65}};
    const Point ell[] = {{0, 0}, {30, 0}, {30, 40}, {80, 40}, {80, 60}, {0, 60}};
    const std::vector<Case> cases = {
        {"identity", identity, std::nullopt},
        {"scaled", scaled, std::nullopt},
        {"mirrored", mirrored, std::nullopt},
        {"rectangle clip", scaled, Region(Rect{10, 12, 60, 40})},
        {"bands of several rectangles", identity, Region::polygon(ell, kWinding)},
        {"polygon clip", mirrored, Region::polygon(triangle, kAlternate)},
        {"empty clip", identity, Region()},
    };
    // Columns and rows out of order, repeated, and beyond the image on every side.
    const std::vector<int> xs = {-500, -3, 0, 1, 7, 7, 40, 89, 90, 61, 300, 12000};
    const std::vector<int> ys = {-40, 0, 5, 69, 70, 33, 2, 900, -1};
    const ColorRef colour = rgb(200, 30, 60);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto one = pixelsOf(c, [&](Dc& dc) {
            for (const int y : ys)
                for (const int x : xs)
                    dc.SetPixel(x, y, colour);
        });
        const auto grid = pixelsOf(c, [&](Dc& dc) { dc.SetPixelGrid(xs, ys, colour); });
        EXPECT_EQ(one, grid);
    }
}

TEST(PixelGrid, PaletteColoursResolveAsForSetPixel)
{
    const Case plain{"plain", [](Dc&) {}, std::nullopt};
    const std::vector<int> xs = {1, 4}, ys = {2, 3};
    const auto one = pixelsOf(plain, [&](Dc& dc) {
        for (const int y : ys)
            for (const int x : xs)
                dc.SetPixel(x, y, paletteIndex(40));
    });
    EXPECT_EQ(one, pixelsOf(plain, [&](Dc& dc) { dc.SetPixelGrid(xs, ys, paletteIndex(40)); }));
}

TEST(PixelGrid, RecordingContextsSeeOneSetPixelPerCrossingRowByRow)
{
    RecordingDc dc;
    const std::vector<int> xs = {3, 5}, ys = {4, 9};
    dc.SetPixelGrid(xs, ys, rgb(255, 0, 0));
    dc.SetPixelGrid({}, ys, rgb(255, 0, 0));
    EXPECT_EQ(dc.drawingLines(), (std::vector<std::string>{
        "SetPixel(3,4,rgb(255,0,0))",
        "SetPixel(5,4,rgb(255,0,0))",
        "SetPixel(3,9,rgb(255,0,0))",
        "SetPixel(5,9,rgb(255,0,0))",
    }));
}

}  // namespace
}  // namespace plat
