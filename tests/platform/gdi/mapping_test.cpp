// Logical-to-device mapping: integer arithmetic with the platform's rounding.
#include "platform/gdi/raster_dc.h"
#include "platform/gdi/recording_dc.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

namespace plat {
namespace {

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    struct Case { int a, b, c, expected; };
    const Case cases[] = {
        {5, 1, 2, 3}, {-5, 1, 2, -3}, {5, -1, 2, -3}, {5, 1, -2, -3}, {-5, -1, -2, -3},
        {7, 1, 3, 2}, {8, 1, 3, 3}, {-8, 1, 3, -3}, {1, 1, 0, -1},
        {2000000000, 3, 2, 2147483647},   // the quotient does not fit: clamped, not wrapped
        {100000, 100000, 100000, 100000}, // the product does not fit in 32 bits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << "*" << c.b << "/" << c.c);
        EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.expected);
    }
}

// The mapping's reciprocal form against the division, over extreme, small and random values of
// every operand and sign (powers of two, zero divisors and the 32-bit limits included).
TEST(MulDiv, TheFixedDivisorFormEqualsTheDivision)
{
    const int edges[] = {0, 1, -1, 2, -2, 3, 7, 64, -64, 1000, 65535, 65536, -65537, 1 << 30, -(1 << 30),
                         INT32_MAX, INT32_MIN, INT32_MAX - 1, INT32_MIN + 1};
    std::mt19937_64 random(26);
    auto pick = [&]() -> int {
        switch (random() % 4) {
        case 0: return edges[random() % std::size(edges)];
        case 1: return static_cast<int32_t>(random());
        case 2: return static_cast<int32_t>(random()) % 1000;
        default: return static_cast<int32_t>(random()) >> (random() % 31);
        }
    };
    int wrong = 0;
    for (int i = 0; i < 300000 && wrong < 5; ++i) {
        const int b = pick(), c = pick();
        const FixedMulDiv fixed(b, c);
        for (int j = 0; j < 8; ++j) {
            const int a = pick();
            if (fixed(a) != mulDiv(a, b, c)) {
                ADD_FAILURE() << a << "*" << b << "/" << c << ": " << fixed(a) << ", not " << mulDiv(a, b, c);
                ++wrong;
            }
        }
    }
}

TEST(Mapping, AnisotropicMapsAndRoundsLikeThePlatform)
{
    RecordingDc dc;
    EXPECT_EQ(dc.LPtoDP(Point{7, 9}), (Point{7, 9}));   // MM_TEXT: identity
    dc.SetMapMode(kMmAnisotropic);
    dc.SetWindowExt(5500, 4250);
    dc.SetViewportExt(550, 425);          // one pixel per ten units
    dc.SetViewportOrg(300, 200);
    struct Case { Point logical, device; };
    const Case cases[] = {
        {{0, 0}, {300, 200}}, {{14, 14}, {301, 201}}, {{15, 15}, {302, 202}},
        {{-15, -15}, {298, 198}}, {{-14, -14}, {299, 199}}, {{2750, -2125}, {575, -13}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.logical.x << "," << c.logical.y);
        EXPECT_EQ(dc.LPtoDP(c.logical), c.device);
    }
    EXPECT_EQ(dc.DPtoLP(Point{301, 199}), (Point{10, -10}));
    dc.SetWindowOrg(100, 50);
    EXPECT_EQ(dc.LPtoDP(Point{100, 50}), (Point{300, 200}));
    EXPECT_EQ(dc.DPtoLP(Point{300, 200}), (Point{100, 50}));
}

TEST(Mapping, NegativeExtentsMirrorAndTextModeIgnoresExtents)
{
    RecordingDc dc;
    dc.SetWindowExt(10, 10);              // ignored in MM_TEXT
    EXPECT_EQ(dc.GetWindowExt(), (Size{1, 1}));
    dc.SetMapMode(kMmAnisotropic);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(-600, 600);         // mirrored in x, as for mirror printing
    dc.SetViewportOrg(1000, 0);
    EXPECT_EQ(dc.LPtoDP(Point{100, 100}), (Point{940, 60}));
    EXPECT_EQ(dc.DPtoLP(Point{940, 60}), (Point{100, 100}));
    // A zero extent is refused and the previous one kept.
    dc.SetWindowExt(0, 5);
    EXPECT_EQ(dc.GetWindowExt(), (Size{1000, 1000}));
    dc.SetMapMode(kMmText);
    EXPECT_EQ(dc.GetViewportExt(), (Size{1, 1}));
}

TEST(Mapping, IsotropicKeepsTheSmallerScaleAndItsSigns)
{
    RecordingDc dc;
    dc.SetMapMode(kMmIsotropic);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(500, -2000);
    EXPECT_EQ(dc.GetViewportExt(), (Size{500, -500}));
    dc.SetViewportExt(-3000, 100);
    EXPECT_EQ(dc.GetViewportExt(), (Size{-100, 100}));
}

TEST(Mapping, PenWidthsAndFontHeightsScaleWithTheMapping)
{
    RasterDc dc(60, 60);
    dc.SetMapMode(kMmAnisotropic);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(10, 10);
    dc.SelectObject(Pen(kPsSolid, 50, rgb(0, 0, 0)));       // 5 pixels wide on the device
    dc.MoveTo(100, 300);
    dc.LineTo(500, 300);
    int dark = 0;
    for (int y = 20; y < 40; ++y)
        dark += dc.GetPixel(250, y * 10) == rgb(0, 0, 0) ? 1 : 0;
    EXPECT_EQ(dark, 5);

    Font f;
    f.face = "Arial";
    f.height = -200;                      // 20 px character height
    dc.SelectObject(f);
    const TextMetrics m = dc.GetTextMetrics();
    EXPECT_GE(m.tmHeight, 200);           // logical units: the cell holds the character
    EXPECT_LE(m.tmHeight, 260);
}

}  // namespace
}  // namespace plat
