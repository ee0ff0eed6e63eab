#include "paint_fixture.h"

#include "tracelyn/core/board_grid.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/outline_editing.h"

#include <algorithm>
#include <utility>

namespace paint_test {
namespace {

// The colours of the drawing calls that use a pen, in order.
std::vector<plat::ColorRef> penColors(const std::vector<plat::DcCall>& calls)
{
    std::vector<plat::ColorRef> out;
    for (const auto& c : calls)
        out.push_back(c.pen.color);
    return out;
}

BoardObject trace(int layer, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width = 100)
{
    return object(kKindLine, layer, {x1, y1, x2, y2, 0, 0, 0, width});
}

TEST_F(PaintTest, OneLayerViewShowsTheCurrentLayerAndItsAdditionalLayers)
{
    add(trace(0, 0, 0, 1000, 0));
    add(trace(1, 0, 100, 1000, 100));
    BoardObject pad = object(kKindPad, kLayerAll, {0, 500, 600, 600, 0, kPadRect, 0, 0});
    add(pad);
    g_edit.currentLayer = kLayerTop;

    auto calls = paint();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].pen.color, colorOf(0));                            // Top in colour 0
    EXPECT_EQ(calls[1].brush.color, colorOf(RoleColor(kRoleAllLayers)));  // all-layer pad

    g_boardSettings.layerSwitches[1] = 1;
    calls = paint();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].pen.color, colorOf(1));   // L1 (pass 14) before Top (pass 15)
    EXPECT_EQ(calls[1].pen.color, colorOf(0));
}

TEST_F(PaintTest, CopperIsPaintedInnerLayersFirstAndSilkLast)
{
    addText("TOP", kLayerSilkTop, 0, 0);   // painted in pass 17
    add(trace(0, 0, 0, 100, 0));
    add(trace(15, 0, 10, 100, 10));
    add(trace(7, 0, 20, 100, 20));
    g_edit.currentLayer = kLayerAll;
    g_boardSettings.layerSwitches[15] = 1;
    g_boardSettings.layerDisplay[0] = 1;
    const auto colors = penColors(paint());
    ASSERT_GE(colors.size(), 4u);
    EXPECT_EQ(colors[0], colorOf(15));
    EXPECT_EQ(colors[1], colorOf(7));
    EXPECT_EQ(colors[2], colorOf(0));
    EXPECT_EQ(colors.back(), colorOf(RoleColor(kRoleText)));   // text after all copper
}

TEST_F(PaintTest, AllLayersViewLeavesLayerFifteenToItsSwitch)
{
    add(trace(14, 0, 0, 100, 0));
    add(trace(15, 0, 10, 100, 10));
    g_edit.currentLayer = kLayerAll;
    EXPECT_EQ(paint().size(), 1u);
    g_boardSettings.layerSwitches[15] = 1;
    EXPECT_EQ(paint().size(), 2u);
}

TEST_F(PaintTest, LayerPairViewShowsThePartnerLayer)
{
    add(trace(3, 0, 0, 100, 0));
    g_edit.currentLayer = 2;
    EXPECT_TRUE(paint().empty());
    g_edit.layerViewMode = kViewLayerPair;
    const auto calls = paint();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].pen.color, colorOf(3));
}

TEST_F(PaintTest, PlaneLayersShowObjectsAsGaps)
{
    add(trace(kLayerVcc, 0, 0, 100, 0));
    add(object(kKindPad, kLayerAll, {0, 500, 600, 600, 0, kPadRect, 0, 0}));       // no hole
    add(object(kKindPad, kLayerAll, {900, 500, 600, 600, 0, kPadRound, 300, 0}));  // hole
    g_edit.currentLayer = kLayerVcc;
    EXPECT_EQ(WorkAreaFillColor(), RoleColor(kRoleVccPlane));
    g_edit.currentLayer = kLayerGround;
    EXPECT_EQ(WorkAreaFillColor(), RoleColor(kRolePlane));
    g_edit.currentLayer = kLayerVcc;
    const auto calls = paint();
    ASSERT_EQ(calls.size(), 2u);   // the trace, and the pad with a hole as a round ring
    for (const auto& c : calls)
        EXPECT_EQ(c.pen.color, colorOf(RoleColor(kRoleBackground)));
    EXPECT_EQ(calls[1].name, "Ellipse");
}

TEST_F(PaintTest, RectangleRotationAndNeverPaintedKinds)
{
    add(object(kKindRectangle, 0, {0, 0, 500, 300, 0, 6 << 2, 0, 10}));
    add(object(kKindRectangle, 0, {0, 0, 500, 300, 0, 7 << 2, 0, 10}));
    add(object(kKindOutline, 0, {0, 0, 0, 0, 0, 0, 0, 0}));
    add(object(kKindDeleted, 0, {0, 0, 500, 0, 0, 0, 0, 0}));
    const auto calls = paint();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].name, "Rectangle");
    EXPECT_EQ(calls[1].name, "Polygon");
}

// A design-rule mark spans its two corners, dotted, in the marks' own colour.
TEST_F(PaintTest, DesignRuleMarkIsADottedFrameBetweenItsCorners)
{
    add(object(kKindFixedRectangle, kLayerAll, {-1000, -500, 2000, 1500, 0, 0, 0, 0}));
    const auto calls = paint();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, "Rectangle");
    int32_t x1 = -1000, y1 = -500, x2 = 2000, y2 = 1500;
    WorldToScreen(x1, y1);
    WorldToScreen(x2, y2);
    EXPECT_EQ(calls[0].args, (Args{x1, y1, x2 + g_paint.pixelSize, y2 + g_paint.pixelSize}));
    EXPECT_EQ(calls[0].pen.color, colorOf(RoleColor(kRoleFixedRect)));
}

TEST_F(PaintTest, OffScreenObjectsNeverReachThePainters)
{
    // The window test lets everything through at the two coarsest zooms and in metric units;
    // the walk still keeps what lies outside the DC's clip from the painters.
    const int far = add(trace(0, 200000, 0, 210000, 0));   // far right of the window
    zoom(1);
    EXPECT_TRUE(IsObjectVisible(far, kKindLine));
    EXPECT_TRUE(paint().empty());
    zoom(2);
    EXPECT_FALSE(IsObjectVisible(far, kKindLine));
    EXPECT_TRUE(paint().empty());
    g_boardSettings.units = kUnitsMetric;
    EXPECT_TRUE(IsObjectVisible(far, kKindLine));
    EXPECT_TRUE(paint().empty());
    g_boardSettings.units = kUnitsEnglish;
    g_board.count = 1;
    add(trace(0, 0, 0, 1000, 0));
    zoom(1);
    EXPECT_EQ(paint().size(), 1u) << "a trace inside the window reaches its painter";
    zoom(2);

    // Rectangles with their corner right of the window (4000 mils from the centre at zoom
    // index 2): drawn leftward into it when mirrored or turned, so they are not culled.
    g_board.count = 1;
    const int plain = add(object(kKindRectangle, 0, {45000, 0, 10000, 1000, 0, 0, 0, 10}));
    const int mirrored = add(object(kKindRectangle, 0, {45000, 0, 10000, 1000, 0, 1 << 15, 0, 10}));
    const int turned = add(object(kKindRectangle, 0, {45000, 0, 10000, 1000, 0, 1800 << 2, 0, 10}));
    EXPECT_FALSE(IsObjectVisible(plain, kKindRectangle));
    EXPECT_TRUE(IsObjectVisible(mirrored, kKindRectangle));
    EXPECT_TRUE(IsObjectVisible(turned, kKindRectangle));
}

TEST_F(PaintTest, RotatedPartsAreNeverCulled)
{
    const int n = addPackage("LIB\\PAD", {object(kKindPad, 0, {px(0), py(0), 600, 600, 0, kPadRect, 0, 0})});
    const int straight = addPart("U", n, 0, 300000, 0);
    const int turned = addPart("U", n, 0, 300000, 0, 450);
    zoom(2);
    EXPECT_FALSE(IsObjectVisible(straight, g_board.objects[straight].kind()));
    EXPECT_TRUE(IsObjectVisible(turned, g_board.objects[turned].kind()));
    const int near = addPart("U", n, 0, 1000, 0);
    EXPECT_TRUE(IsObjectVisible(near, g_board.objects[near].kind()));
}

TEST_F(PaintTest, SelectionFrameAndHighlightModes)
{
    const int i = add(trace(0, 0, 0, 1000, 0));
    PaintObject(dc, i, kModeNotXor);
    auto calls = dc.drawingCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rop2, plat::kR2NotXorPen);

    dc.clear();
    PaintObject(dc, i, kModeHighlight);
    calls = dc.drawingCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rop2, plat::kR2CopyPen);
    EXPECT_EQ(calls[0].pen.color, colorOf(RoleColor(kRoleHighlight)));
    EXPECT_FALSE(g_paint.highlight);
}

TEST_F(PaintTest, SolderMaskViewPaintsPadsEnlargedAndSkipsTraces)
{
    g_boardSettings.mask = 100;   // 10 mils
    add(trace(0, 0, 0, 1000, 0));
    add(object(kKindPad, 0, {0, 0, 600, 600, 0, kPadRect, 0, 0}));
    g_edit.currentLayer = kLayerMaskTop;
    const auto calls = paint();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].args, (Args{-40, -40, 40 + 5, 40 + 5}));   // 30 + 10 each side
    EXPECT_EQ(calls[0].brush.color, colorOf(RoleColor(kRoleClearance)));
    EXPECT_EQ(calls[1].args, (Args{-30, -30, 35, 35}));
    EXPECT_EQ(calls[1].brush.color, colorOf(kMarkColor));
}

TEST_F(PaintTest, BoardPaintFillsDrawsBorderAndReportsTime)
{
    add(trace(0, 0, 0, 1000, 0));
    g_boardSettings.rulers = 0;
    g_boardSettings.visible = 0;
    dc.clear();
    PaintBoardView(dc, doc);
    const auto calls = dc.drawingCalls();
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[0].name, "Rectangle");   // the background
    EXPECT_EQ(calls[0].brush.color, colorOf(RoleColor(kRoleBackground)));
    EXPECT_EQ(calls[1].name, "LineTo");      // the trace
    for (size_t side = 2; side < 6; ++side) {   // the new board's edge, over the objects
        EXPECT_EQ(calls[side].name, "LineTo");
        EXPECT_EQ(calls[side].pen.color, colorOf(RoleColor(kRoleOutline)));
    }
    // The dotted border of the 4000 x 4000 work area at zoom index 3.
    EXPECT_EQ(calls[6].pen.style, plat::kPsDot);
    EXPECT_EQ(calls[6].name, "Rectangle");
    EXPECT_EQ(calls[6].args, (Args{-2000, -2000, 2005, 2005}));
    EXPECT_EQ(g_paint.message.rfind("t=", 0), 0u);
    EXPECT_EQ(g_board.objects, doc.objects->data());
}

// The board edge shows whatever layer is worked on, in the scheme's outline colour, as the
// thinnest line; straight sides and arcs (either way round) alike.
TEST_F(PaintTest, OutlineIsAHairlineInItsColourOnEveryLayer)
{
    constexpr int kSchemeOutline = 9;
    g_boardColors.colorRoles[kRoleOutline - 1] = kSchemeOutline;
    const int line = add(trace(0, -17000, 0, 17000, 0));
    auto edge = [this](const char* name) {
        std::vector<plat::DcCall> found;
        for (const plat::DcCall& c : paint(1))
            if (c.name == name && c.pen.color == colorOf(kSchemeOutline))
                found.push_back(c);
        return found;
    };
    const int layers[] = {kLayerTop, 5, kLayerSilkTop, kLayerMaskTop, kLayerPasteTop, kLayerVcc, kLayerGround,
                          kLayerOutline, kLayerAll};
    for (const int layer : layers) {
        SCOPED_TRACE(layer);
        g_edit.currentLayer = layer;
        const auto sides = edge("LineTo");
        ASSERT_EQ(sides.size(), 4u);
        for (const plat::DcCall& side : sides) {
            EXPECT_LE(side.pen.width, 1);
            EXPECT_EQ(side.pen.style, plat::kPsSolid);
        }
    }
    {
        SCOPED_TRACE("drawn after the copper, so the edge stays in sight over a fill");
        g_edit.currentLayer = kLayerTop;
        const auto calls = paint(1);
        const auto traceCall =
            std::find_if(calls.begin(), calls.end(), [](const plat::DcCall& c) { return c.name == "LineTo"; });
        ASSERT_NE(traceCall, calls.end());
        EXPECT_NE(traceCall->pen.color, colorOf(kSchemeOutline));
        EXPECT_EQ(calls.back().pen.color, colorOf(kSchemeOutline));
        g_board.objects[line].setKind(kKindDeleted);
    }
    {
        SCOPED_TRACE("on paper");
        auto printedLines = [this] {
            plat::RecordingDc paper(plat::RecordingDevice{.printing = true});
            BeginBoardPrinting();
            PreparePrintMapping(paper, 1);
            PaintBoardView(paper, doc);
            EndBoardPrinting();
            int lines = 0;
            for (const plat::DcCall& c : paper.drawingCalls())
                lines += c.name == "LineTo" && c.pen.width <= 1;
            return lines;
        };
        const int withEdge = printedLines();
        const int32_t segments = std::exchange(g_board.objects[1].w[2], 0);
        EXPECT_EQ(withEdge, printedLines() + 4);
        g_board.objects[1].w[2] = segments;
    }
    {
        SCOPED_TRACE("a round board");
        int32_t* s = g_board.objects[1].points();
        const int32_t arcs[4][5] = {{-17000, 0, 0, -17000, kSegmentArc}, {0, -17000, 17000, 0, kSegmentArcReversed},
                                    {17000, 0, 0, 17000, kSegmentArc}, {0, 17000, -17000, 0, kSegmentArc}};
        for (int k = 0; k < 4; ++k)
            std::copy(std::begin(arcs[k]), std::end(arcs[k]), s + k * kSegmentWords);
        EXPECT_EQ(edge("Arc").size(), 4u);
        EXPECT_TRUE(edge("LineTo").empty());
    }
    {
        SCOPED_TRACE("the selected outline in the highlight colour");
        g_edit.currentLayer = kLayerOutline;
        dc.clear();
        PaintObject(dc, 1, kModeHighlight);
        const auto calls = dc.drawingCalls();
        ASSERT_EQ(calls.size(), 4u);
        for (const plat::DcCall& c : calls)
            EXPECT_EQ(c.pen.color, colorOf(RoleColor(kRoleHighlight)));
    }
}

TEST_F(PaintTest, GridDotsAndRulers)
{
    g_board.gridCommand = 704;
    g_view.gridStepX = g_view.gridStepY = 1000;   // 100 mils
    g_boardSettings.visible = 1;
    dc.clear();
    DrawGrid(dc);
    auto calls = dc.drawingCalls();
    // 800 x 600 pixels at 5 mils a pixel: 4000 x 3000 mils, dots every 100 mils.
    ASSERT_EQ(calls.size(), 41u * 31u);
    EXPECT_EQ(calls[0].name, "SetPixel");
    EXPECT_EQ(static_cast<plat::ColorRef>(calls[0].args[2]), colorOf(RoleColor(kRoleGrid)));

    g_boardSettings.visible = 0;
    dc.clear();
    DrawGrid(dc);
    EXPECT_TRUE(dc.drawingCalls().empty());

    zoom(6);
    dc.clear();
    DrawRulers(dc);
    calls = dc.drawingCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].mapMode, plat::kMmText);
    EXPECT_EQ(calls[0].brush.color, plat::paletteIndex(15));
    // Every step tick (100 mils at zoom index 6) carries its value.
    auto labelled = [&](const std::string& text) {
        for (const auto& c : calls)
            if (c.name == "TextOut" && c.text == text)
                return true;
        return false;
    };
    EXPECT_TRUE(labelled("0.0"));
    EXPECT_TRUE(labelled(".1"));
    EXPECT_TRUE(labelled("-.2"));
    EXPECT_EQ(dc.GetMapMode(), plat::kMmAnisotropic);   // the view's mapping is back
    EXPECT_EQ(RulerLabel(0.5), ".5");
    EXPECT_EQ(RulerLabel(-0.5), "-.5");
    EXPECT_EQ(RulerLabel(2), "2.0");
}

TEST_F(PaintTest, RedrawRectRepaintsTheWholeWindowAtFineZooms)
{
    // A trace in the window but far from the redrawn rectangle.
    add(trace(0, 5000, 5000, 6000, 5000));
    struct Case {
        int zoom;
        bool drawn;
    };
    for (const Case c : {Case{3, false}, Case{7, true}}) {
        SCOPED_TRACE(c.zoom);
        zoom(c.zoom);
        dc.clear();
        RedrawRect(dc, -100, -100, 100, 100);
        // The clip in force when the objects were painted.
        bool clipped = false;
        bool traceDrawn = false;
        for (const auto& call : dc.calls()) {
            if (call.name == "SelectClipRgn")
                clipped = !call.args.empty();
            if (call.name == "LineTo" && !clipped)
                traceDrawn = true;
        }
        EXPECT_EQ(traceDrawn, c.drawn);
    }
}

}  // namespace
}  // namespace paint_test
