#include "../core/paint_fixture.h"

#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/stroke_text_services.h"
#include "tracelyn/route/stroke_font.h"

namespace paint_test {
namespace {

using Stroke = std::array<int, 5>;

std::vector<Stroke> strokesOf(char c)
{
    std::vector<Stroke> out;
    for (const StrokeDef& s : StrokeFont[static_cast<size_t>(GlyphIndex(c))].strokes)
        if (s.type != kStrokeEmpty)
            out.push_back({s.type, s.x1, s.y1, s.x2, s.y2});
    return out;
}

TEST(StrokeFont, TableShape)
{
    static_assert(sizeof(StrokeGlyph) == 41);
    int lines = 0, arcs = 0;
    for (const StrokeGlyph& g : StrokeFont) {
        EXPECT_GE(g.advance, 30);
        EXPECT_LE(g.advance, 100);
        for (const StrokeDef& s : g.strokes) {
            lines += s.type == kStrokeLine;
            arcs += s.type == kStrokeArc;
            EXPECT_TRUE(s.type >= 0 && s.type <= 2);
        }
    }
    EXPECT_EQ(lines, 247);
    EXPECT_EQ(arcs, 90);

    EXPECT_EQ(strokesOf('A'), (std::vector<Stroke>{{1, 0, 0, 50, 99}, {1, 50, 99, 99, 0}, {1, 13, 25, 87, 25}}));
    EXPECT_EQ(strokesOf('1'), (std::vector<Stroke>{{1, 50, 0, 50, 99}, {1, 20, 0, 80, 0}, {1, 50, 99, 20, 70}}));
    EXPECT_EQ(strokesOf('0'), (std::vector<Stroke>{{2, 5, 50, 50, 100}, {2, 95, 50, 50, 100}, {2, 95, 50, 50, 0}, {2, 5, 50, 50, 0}}));
    EXPECT_EQ(strokesOf('O').size(), 8u);
    EXPECT_EQ(strokesOf('+'), (std::vector<Stroke>{{1, 50, 25, 50, 75}, {1, 25, 50, 75, 50}}));
    EXPECT_EQ(strokesOf('.').size(), 4u);
    EXPECT_EQ(StrokeFont[static_cast<size_t>(GlyphIndex('.'))].advance, 50);
    EXPECT_EQ(strokesOf('_'), (std::vector<Stroke>{{1, 10, -20, 90, -20}}));
}

TEST(StrokeFont, GlyphIndexes)
{
    const std::pair<char, int> cases[] = {{'A', 0}, {'Z', 25}, {'a', 26}, {'z', 51}, {'0', 52},
                                          {'9', 61}, {'+', 62}, {'-', 63}, {'(', 64}, {')', 65},
                                          {'.', 66}, {',', 67}, {'!', 68}, {'?', 69}, {'%', 70},
                                          {'*', 71}, {';', 72}, {'@', 73}, {'_', 74}, {' ', 0},
                                          {'"', 50}, {'#', 74}, {'\xE9', 74}};
    for (const auto& [c, index] : cases)
        EXPECT_EQ(GlyphIndex(c), index) << c;
}

TEST(StrokeFont, Extents)
{
    EXPECT_EQ(GetStrokeTextExtent("", 0x600, 0), (std::array<int32_t, 2>{0, 0}));
    // Size 6: factor 1, gap 18. "A B": 100 + 18, 100 + 18 (blank), 100 + 18.
    EXPECT_EQ(GetStrokeTextExtent("A B", 0x600, 0), (std::array<int32_t, 2>{354, 100}));
    // Size 0 measures 5 + 2 a character, smaller than it is drawn (as size 2).
    EXPECT_EQ(GetStrokeTextExtent("AA", 0x000, 0), (std::array<int32_t, 2>{14, 5}));
    EXPECT_EQ(GetStrokeTextExtent("A", 0x2000, 0), (std::array<int32_t, 2>{518, 500}));
}

class StrokeTextTest : public PaintTest {};

std::vector<StrokeSegment> walk(std::string_view text, int style, int angle, int mirror)
{
    std::vector<StrokeSegment> out;
    WalkStrokeText(0, 0, text, style, angle, mirror, false, [&](const StrokeSegment& s) { out.push_back(s); });
    return out;
}

TEST_F(StrokeTextTest, LayoutInBoardUnits)
{
    // Size 6: 10 board units a glyph unit, y up from the baseline.
    auto segs = walk("A1", 0x600, 0, 0);
    ASSERT_EQ(segs.size(), 6u);
    EXPECT_EQ((std::array<int, 4>{segs[0].x1, segs[0].y1, segs[0].x2, segs[0].y2}), (std::array<int, 4>{0, 0, 500, -990}));
    EXPECT_EQ(segs[3].x1, 1000 + 180 + 500);   // second glyph after advance 100 and gap 18
    EXPECT_EQ(segs[0].width, 80);

    // Sizes below 2 draw as size 2 (0.3) with gap 8.
    segs = walk("AA", 0x000, 0, 0);
    EXPECT_EQ(segs[3].x1, 300 + 80);
    EXPECT_EQ(segs[0].width, 60);

    // At 90 degrees the text runs up the screen (offsets are truncated, hence 1179).
    segs = walk("AA", 0x600, 900, 0);
    EXPECT_EQ(segs[3].x1, 0);
    EXPECT_EQ(segs[3].y1, -1179);
    EXPECT_EQ((std::array<int, 2>{segs[0].x2, segs[0].y2}), (std::array<int, 2>{-989, -500}));

    // Mirrored text at angle 0 is laid out at 1800: right to left.
    segs = walk("AA", 0x600, 0, 1);
    EXPECT_EQ(segs[0].angle, 1800);
    EXPECT_EQ(segs[3].x1, -1179);
}

TEST_F(StrokeTextTest, ScreenTextDrawsStrokesOnTheDrawingContext)
{
    // Zoom index 3: a logical unit is a mil, so size 6 is 1 mil a glyph unit.
    const int width = DrawStrokeText(dc, 100, 200, "O", 0x600, 0, 3);
    EXPECT_EQ(width, 118);
    const auto calls = dc.drawingCalls();
    int lines = 0, arcs = 0;
    for (const auto& c : calls) {
        lines += c.name == "LineTo";
        arcs += c.name == "Arc";
        EXPECT_EQ(c.pen.width, 8);
        EXPECT_EQ(c.pen.color, colorOf(3));
    }
    EXPECT_EQ(arcs, 4);
    EXPECT_EQ(lines, 4 + 2);   // the sides, and the one-unit runs of the two uneven corners
    EXPECT_EQ(g_paint.drawingDc, nullptr);
}

TEST_F(StrokeTextTest, ArcEndsAreExchangedForQuarterTurns)
{
    DrawStrokeArc(dc, 0, 0, 20, 20, 1, 1, 0);
    const auto straight = dc.drawingCalls();
    dc.clear();
    DrawStrokeArc(dc, 0, 0, 20, 20, 1, 1, 900);
    const auto turned = dc.drawingCalls();
    ASSERT_EQ(straight.size(), 1u);
    ASSERT_EQ(turned.size(), 1u);
    // Bent about (20, 0) upright, about (0, 20) when turned.
    EXPECT_EQ(straight[0].args[0], 0);
    EXPECT_EQ(straight[0].args[1], -20);
    EXPECT_EQ(turned[0].args[0], -20);
    EXPECT_EQ(turned[0].args[1], 0);
}

}  // namespace
}  // namespace paint_test
