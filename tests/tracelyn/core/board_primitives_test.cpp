#include "paint_fixture.h"

#include "tracelyn/core/board_primitives.h"

namespace paint_test {
namespace {

TEST_F(PaintTest, PenConventions)
{
    struct Case {
        const char* what;
        int color, style, width;
        plat::Pen pen;
    };
    const Case cases[] = {
        {"style 5 is solid", 3, 5, 4, plat::Pen(plat::kPsSolid, 4, colorOf(3))},
        {"dashed pen is thinnest", 3, 1, 9, plat::Pen(plat::kPsDash, 0, colorOf(3))},
        {"width below 1", 3, 0, -2, plat::Pen(plat::kPsSolid, 0, colorOf(3))},
        {"colour 100 carries entry and width", 100, 0, 0x802, plat::Pen(plat::kPsSolid, 2, plat::paletteIndex(8))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dc.clear();
        DrawLine(dc, 0, 0, 10, 0, c.color, c.style, c.width);
        const auto calls = dc.drawingCalls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].pen, c.pen);
    }
}

TEST_F(PaintTest, LinesAreOrderedAndReachTheirLastPixel)
{
    DrawLine(dc, 10, 5, 2, 5, 1, 0, 1);
    auto lines = dc.lines();
    EXPECT_NE(std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("MoveTo(2,5)", 0) == 0; }), lines.end());
    ASSERT_EQ(dc.drawingCalls().size(), 1u);
    EXPECT_EQ(dc.drawingCalls()[0].args, (Args{11, 5}));

    dc.clear();
    DrawLine(dc, 4, 20, 4, 10, 1, 0, 1);   // vertical, drawn upward
    EXPECT_EQ(dc.drawingCalls()[0].args, (Args{4, 9}));
    dc.clear();
    DrawLine(dc, 0, 0, 10, 10, 1, 0, 1);
    EXPECT_EQ(dc.drawingCalls()[0].args, (Args{11, 11}));
}

TEST_F(PaintTest, RectanglesGrowByAPixelOnScreenOnly)
{
    g_paint.pixelSize = CurrentPixelSize();   // 5 at zoom index 3
    DrawRect(dc, 100, 50, 0, 0, 2, 0, kFillSolid, 0);
    auto calls = dc.drawingCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args, (Args{0, 0, 105, 55}));
    EXPECT_EQ(calls[0].pen.width, 1);                         // at least 1
    EXPECT_EQ(calls[0].brush, plat::Brush::solid(colorOf(2)));

    g_print.printing = true;
    dc.clear();
    DrawRect(dc, 0, 0, 100, 50, 2, 0, 0, 1);
    EXPECT_EQ(dc.drawingCalls()[0].args, (Args{0, 0, 100, 50}));
    EXPECT_TRUE(dc.drawingCalls()[0].brush.isNull());
}

TEST_F(PaintTest, FillCodes)
{
    struct Case {
        int fill;
        plat::Brush brush;
        int bkMode;
    };
    const Case cases[] = {
        {0, plat::Brush::hollow(), plat::kOpaque},
        {1, plat::Brush::solid(colorOf(4)), plat::kOpaque},
        {4, plat::Brush::hatched(2, colorOf(4)), plat::kOpaque},
        {100, plat::Brush::solid(colorOf(RoleColor(kRoleBackground))), plat::kOpaque},
    };
    dc.SetBkMode(plat::kTransparent);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fill);
        dc.clear();
        DrawEllipse(dc, 0, 0, 10, 10, 4, 0, c.fill, 1);
        EXPECT_EQ(dc.drawingCalls()[0].brush, c.brush);
        if (c.fill >= 100) {
            EXPECT_EQ(dc.drawingCalls()[0].bkMode, plat::kOpaque);
        }
    }
    EXPECT_EQ(dc.GetBkMode(), plat::kTransparent);   // restored after the call

    // While printing the background brush is white paper, or black for negative printing.
    g_print.printing = true;
    g_boardSettings.PrInvert = 1;
    dc.clear();
    DrawEllipse(dc, 0, 0, 10, 10, 4, 0, 100, 1);
    EXPECT_EQ(dc.drawingCalls()[0].brush, plat::Brush::solid(plat::paletteIndex(0)));
}

TEST_F(PaintTest, EllipsesAndArcs)
{
    DrawEllipse(dc, 50, 60, 0, 0, 1, 0, 0, 1);
    EXPECT_EQ(dc.drawingCalls()[0].args, (Args{49, 59, 51, 61}));

    // A quarter arc about (x2, y1): from the left point to the top point the ends are
    // exchanged so that the counter-clockwise arc is the short one.
    dc.clear();
    DrawArc(dc, 0, 100, 100, 0, 40, 0, 1);
    auto calls = dc.drawingCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, "Arc");
    EXPECT_EQ(calls[0].args, (Args{0, 0, 200, 200, 100, 0, 0, 100}));
    EXPECT_EQ(calls[0].pen.color, colorOf(0));   // colours above 31 become 0

    // A corner arc: a straight run, then the quarter arc.
    dc.clear();
    DrawArcTrace(dc, 0, 0, 30, 10, 1, 0, 1);
    calls = dc.drawingCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].name, "LineTo");
    EXPECT_EQ(calls[1].name, "Arc");
    EXPECT_EQ(calls[0].args, (Args{21, 0}));   // 20 units straight along the longer axis
    EXPECT_EQ((Args{calls[1].args[0], calls[1].args[1], calls[1].args[2], calls[1].args[3]}),
              (Args{20, -10, 40, 10}));         // then a quarter of the circle about (30, 0)
}

TEST_F(PaintTest, FineZoomTracesAreCutToTheWindow)
{
    zoom(9);   // divisor 1: the window is 800 x 600 logical units about the origin
    DrawTrace(dc, -100000, 0, 100000, 0, 1, 0, 1);
    auto calls = dc.drawingCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args, (Args{401, 0}));
    dc.clear();
    DrawTrace(dc, -100000, -100000, 100000, 100000, 1, 0, 1);
    EXPECT_EQ(dc.drawingCalls()[0].args, (Args{401, 401}));
    dc.clear();
    DrawTrace(dc, 5000, 10, 6000, 10, 1, 0, 1);   // wholly outside: nothing
    EXPECT_TRUE(dc.drawingCalls().empty());
}

}  // namespace
}  // namespace paint_test
