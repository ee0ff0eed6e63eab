// The primitive painters: pens, brushes and coordinates they hand to the device context.
#include "paint_test_support.h"

#include "schemora/core/paint_style.h"
#include "schemora/core/shape_painters.h"

#include <gtest/gtest.h>

using namespace paint_test;

TEST(ShapePainters, LineEndsAndExactEndFlag)
{
    PaintState state;
    struct Case {
        int x1, y1, x2, y2;
        bool exact;
        std::vector<int> move, line;
    } cases[] = {
        {0, 0, 100, 0, false, {0, 0}, {101, 0}},          // far end included
        {100, 50, 0, 0, false, {0, 0}, {101, 51}},        // points swapped so x1 <= x2
        {10, 100, 10, 0, false, {10, 100}, {10, -1}},     // y toward the direction of travel
        {0, 0, 30, 40, false, {0, 0}, {31, 41}},
        {0, 0, 100, 0, true, {0, 0}, {100, 0}},           // instruments draw exact ends
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2);
        g_drawModes.InstrumentExactLineEnds = c.exact;
        plat::RecordingDc dc;
        DrawLine(dc, c.x1, c.y1, c.x2, c.y2, kRoleTop, 0, 6);
        ASSERT_NE(firstCall(dc, "MoveTo"), nullptr);
        EXPECT_EQ(firstCall(dc, "MoveTo")->args, c.move);
        EXPECT_EQ(firstCall(dc, "LineTo")->args, c.line);
        EXPECT_EQ(firstCall(dc, "LineTo")->pen, plat::Pen(plat::kPsSolid, 6, plat::paletteIndex(6)));
    }
}

TEST(ShapePainters, WidthWordAndPenStyleRules)
{
    PaintState state;
    struct Case {
        int role, style, width;
        plat::Pen pen;
    } cases[] = {
        {kRoleTop, 0, 0, {plat::kPsSolid, 1, plat::paletteIndex(6)}},          // below 1 becomes 1
        {kRoleTop, 2, 256, {plat::kPsDot, 256, plat::paletteIndex(6)}},        // 256 stays a width
        {kDirectColor, 1, (12 << 8) | 9, {plat::kPsDash, 9, plat::paletteIndex(12)}},
        {kRoleTop, 7, 3, {plat::kPsSolid, 3, plat::paletteIndex(6)}},          // unknown style: solid
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        plat::RecordingDc dc;
        DrawLine(dc, 0, 0, 10, 0, c.role, c.style, c.width);
        EXPECT_EQ(firstCall(dc, "LineTo")->pen, c.pen);
        EXPECT_EQ(dc.GetCurrentPen(), plat::Pen()) << "the painter puts the DC's pen back";
    }
    g_drawModes.trueColor = true;
    EXPECT_EQ(RoleColor(kRoleTop), plat::rgb(255, 255, 0));
}

TEST(ShapePainters, FillCodesChooseBrushes)
{
    PaintState state;
    g_current.zoomFactor = 5;
    struct Case {
        int fill;
        plat::Brush brush;
    } cases[] = {
        {0, plat::Brush::hollow()},
        {1, plat::Brush::solid(plat::paletteIndex(6))},
        {2, plat::Brush::hatched(0, plat::paletteIndex(6))},
        {20, plat::Brush::hatched(18, plat::paletteIndex(6))},
        {21, plat::Brush::solid(plat::paletteIndex(8))},      // the "Shading" role
        {22, plat::Brush::solid(plat::paletteIndex(6))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fill);
        plat::RecordingDc dc;
        DrawRect(dc, 100, 50, 0, 0, kRoleTop, 0, c.fill, 6);
        const plat::DcCall* rect = firstCall(dc, "Rectangle");
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->brush, c.brush);
        // Corners ordered, right and bottom one zoom step further on the screen.
        EXPECT_EQ(rect->args, (std::vector<int>{0, 0, 105, 55}));
    }
    // Polygons hatch every code from 2 on, 21 included.
    plat::RecordingDc dc;
    const std::vector<plat::Point> points{{0, 0}, {10, 0}, {5, 8}};
    DrawPolygon(dc, points, kRoleTop, 0, 21, 1);
    EXPECT_EQ(firstCall(dc, "Polygon")->brush, plat::Brush::hatched(19, plat::paletteIndex(6)));
    // Printing draws rectangles to their corners.
    g_sheetView.printing = true;
    plat::RecordingDc printed;
    DrawRect(printed, 0, 0, 100, 50, kRoleTop, 0, 0, 6);
    EXPECT_EQ(firstCall(printed, "Rectangle")->args, (std::vector<int>{0, 0, 100, 50}));
}

TEST(ShapePainters, StyledLinesEllipsesArcsAndMarks)
{
    PaintState state;
    g_current.zoomFactor = 5;
    {
        SCOPED_TRACE("a wide dashed vertical line is 2n+1 thin lines one zoom step apart");
        plat::RecordingDc dc;
        DrawStyledLine(dc, 100, 0, 100, 200, kRoleTop, 1, 20);   // n = 20 / 10 = 2
        std::vector<int> xs;
        for (const plat::DcCall& c : dc.calls())
            if (c.name == "LineTo") {
                xs.push_back(c.args[0]);
                EXPECT_EQ(c.pen, plat::Pen(plat::kPsDash, 1, plat::paletteIndex(6)));
            }
        EXPECT_EQ(xs, (std::vector<int>{110, 105, 100, 95, 90}));
    }
    {
        SCOPED_TRACE("zero radii become 1; a solid fill is drawn opaque");
        plat::RecordingDc dc;
        DrawEllipse(dc, 50, 60, 0, 0, kRoleDot, 0, 1, 1);
        const plat::DcCall* e = firstCall(dc, "Ellipse");
        EXPECT_EQ(e->args, (std::vector<int>{49, 59, 51, 61}));
        EXPECT_EQ(e->bkMode, plat::kOpaque);
        EXPECT_EQ(dc.GetBkMode(), plat::kTransparent);
    }
    {
        SCOPED_TRACE("an arc whose ends share a coordinate is a line");
        plat::RecordingDc dc;
        DrawArc(dc, 0, 0, 0, 300, kRoleTop, 0, 25, 6);
        EXPECT_EQ(firstCall(dc, "Arc"), nullptr);
        EXPECT_NE(firstCall(dc, "LineTo"), nullptr);
    }
    {
        SCOPED_TRACE("a small arc takes its box from the bulge");
        plat::RecordingDc dc;
        DrawArc(dc, 0, 0, 100, 100, kRoleTop, 0, 5, 6);   // bulge below 21 becomes 20
        EXPECT_EQ(firstCall(dc, "Arc")->args, (std::vector<int>{0, 100, 200, -100, 0, 0, 100, 100}));
    }
    {
        SCOPED_TRACE("terminal mark");
        plat::RecordingDc dc;
        DrawTerminalMark(dc, 100, 200);
        const plat::DcCall* r = firstCall(dc, "Rectangle");
        EXPECT_EQ(r->args, (std::vector<int>{88, 188, 117, 217}));
        EXPECT_EQ(r->pen, plat::Pen(plat::kPsSolid, 6, plat::paletteIndex(18)));
        EXPECT_TRUE(r->brush.isNull());
    }
}

TEST(ShapePainters, ArrowHeads)
{
    PaintState state;
    {
        SCOPED_TRACE("x extent below 2 points straight down; a filled head at the tip");
        plat::RecordingDc dc;
        DrawArrowLine(dc, 0, 0, 1, 300, kRoleTop, 0, 1, 6, 0);
        const plat::DcCall* head = firstCall(dc, "Polygon");
        ASSERT_NE(head, nullptr);
        // L = (6/3 + 5) * 6 = 42; both head points lie above the tip, mirrored about x = 1.
        ASSERT_EQ(head->args.size(), 6u);
        EXPECT_EQ((std::vector<int>{head->args[0], head->args[1]}), (std::vector<int>{1, 300}));
        EXPECT_LT(head->args[3], 300);
        EXPECT_EQ(head->args[3], head->args[5]);
        EXPECT_EQ(head->brush, plat::Brush::solid(plat::paletteIndex(6)));
    }
    {
        SCOPED_TRACE("style 3 draws the shaft only; a start head when bits 8-15 are set");
        plat::RecordingDc shaftOnly;
        DrawArrowLine(shaftOnly, 0, 0, 500, 0, kRoleTop, 0, 3, 6, 0);
        EXPECT_EQ(firstCall(shaftOnly, "Polygon"), nullptr);
        plat::RecordingDc both;
        DrawArrowLine(both, 0, 0, 500, 0, kRoleTop, 0, 0x0101, 6, 0);
        int polygons = 0;
        for (const plat::DcCall& c : both.calls())
            polygons += c.name == "Polygon";
        EXPECT_EQ(polygons, 2);
    }
}
