// The repaint sequence and the object loop, through a recording device context.
#include "paint_test_support.h"

#include "platform/core/test_ui_host.h"

#include "schemora/core/paint_style.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_overlays.h"
#include "schemora/core/sheet_painter.h"

#include <gtest/gtest.h>

using namespace paint_test;

namespace {

std::vector<const plat::DcCall*> callsNamed(const plat::RecordingDc& dc, std::string_view name)
{
    std::vector<const plat::DcCall*> out;
    for (const plat::DcCall& c : dc.calls())
        if (c.name == name)
            out.push_back(&c);
    return out;
}

// Index of the first drawing call of that name (or the number of calls).
size_t positionOf(const plat::RecordingDc& dc, std::string_view name, std::string_view text = {})
{
    const auto& calls = dc.calls();
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i].name == name && (text.empty() || calls[i].text == text))
            return i;
    return calls.size();
}

void setLabel(DrawObject& o, int firstWord, std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        auto& word = o.w[static_cast<size_t>(firstWord) + i / 4];
        word = static_cast<int32_t>(static_cast<uint32_t>(word) | (uint32_t(uint8_t(text[i])) << (8 * (i % 4))));
    }
}

struct RecordingOverlays : SheetOverlays {
    std::vector<std::string> calls;
    void SetSheetScrollBars(const SheetScrollBars&) override { calls.push_back("scroll bars"); }
    void UpdateStatusPanes() override { calls.push_back("status panes"); }
    void DrawSelection(plat::Dc&) override { calls.push_back("selection"); }
    void DrawCursorMark(plat::Dc&) override { calls.push_back("cursor mark"); }
    void DrawFitOverlay(plat::Dc&) override { calls.push_back("fit overlay"); }
    void DrawPageBreaks(plat::Dc&) override { calls.push_back("page breaks"); }
};

}  // namespace

TEST(SheetPainter, ObjectLoopFiltersAndOrdersByPass)
{
    PaintState state;
    g_current.zoomFactor = 5;
    state.add(words(kObjText, 0, 0, 0), "first in the array");
    state.add(words(kObjLine, 0, 100, 500, 100));
    state.add(words(kObjLine, 0, 200, 500, 200, 6, 2));                 // sheet 2
    Words otherLayer = words(kObjRectangle, 0, 0, 100, 100);
    otherLayer[4] |= 2 << 10;                                           // layer 2
    state.add(otherLayer);
    state.add(words(kObjDot, 500, 100));
    state.add(words(25, 50, 50, 0, 0, 6));
    Words direct = words(kObjLine, 0, 300, 500, 300, (12 << 8) | 9);   // width word above 256
    state.add(direct);

    g_sheetView.layerFilter = 0;
    plat::RecordingDc dc;
    EXPECT_EQ(DrawObjects(1, g_current.count, dc), 5) << "other sheets and hidden layers are not counted";
    EXPECT_EQ(g_paintRecord.message, "objects drawn=5,pc=7");
    const auto lines = callsNamed(dc, "LineTo");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->pen, plat::Pen(plat::kPsSolid, 6, plat::paletteIndex(6)));      // layer 0: role 1
    EXPECT_EQ(lines[1]->pen, plat::Pen(plat::kPsSolid, 9, plat::paletteIndex(12)));     // direct colour
    EXPECT_EQ(callsNamed(dc, "Rectangle").size(), 0u);
    // Graphics first, then the text and the dot, whatever their place in the array.
    EXPECT_LT(positionOf(dc, "LineTo"), positionOf(dc, "TextOut"));
    const auto ellipses = callsNamed(dc, "Ellipse");
    ASSERT_EQ(ellipses.size(), 5u) << "kind 25 draws two rings in each pass, the dot one ellipse";
    EXPECT_EQ(g_current.objects[1].w[6], g_paintRecord.lastTextHeight) << "a text keeps its measured height";

    g_sheetView.layerFilter = 4;
    plat::RecordingDc all;
    EXPECT_EQ(DrawObjects(1, g_current.count, all), 6);
}

TEST(SheetPainter, WireLabelsAndHighlight)
{
    PaintState state;
    g_current.zoomFactor = 5;
    Words w = words(kObjLine, 0, 0, 400, 0);
    w[5] = 1;                    // end mark at the second end
    w[11] = 100;
    w[12] = -20;
    DrawObject& wire = state.add(w);
    setLabel(wire, 13, "CLK");
    state.add(words(kObjLine, 0, 100, 0, 500));

    plat::RecordingDc dc;
    DrawObjects(1, 1, dc);
    EXPECT_EQ(callsNamed(dc, "LineTo")[0]->pen.color, plat::paletteIndex(11)) << "Terminal role";
    const auto texts = callsNamed(dc, "TextOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->text, "CLK");
    const auto marks = callsNamed(dc, "Rectangle");
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0]->args[0], 400 - 12) << "the mark sits at the second end";

    g_sheetView.workArea = {0, 0, 800, 600};
    plat::RecordingDc highlighted;
    DrawObjectInMode(highlighted, 2, kModeHighlight);
    const plat::DcCall* line = callsNamed(highlighted, "LineTo").at(0);
    EXPECT_EQ(line->pen.color, plat::paletteIndex(22)) << "the Edit role";
    EXPECT_EQ(line->rop2, plat::kR2CopyPen);
    EXPECT_FALSE(g_drawModes.highlight);

    plat::RecordingDc inverted;
    DrawObjectInMode(inverted, 2, kModeInvert);
    EXPECT_EQ(callsNamed(inverted, "LineTo").at(0)->rop2, plat::kR2Not);
    EXPECT_EQ(inverted.GetMapMode(), plat::kMmAnisotropic);
}

TEST(SheetPainter, RepaintSequence)
{
    PaintState state;
    g_settings.border = 1;
    g_settings.rulers = 1;
    g_settings.breaks = 1;
    g_current.sheetSize = 'A';
    g_current.zoomIndex = 3;
    g_current.zoomFactor = 5;
    // The view reaches past the sheet's right edge, so the border frames are in it.
    g_current.viewCentreX = 2500;
    g_current.viewCentreY = -50;
    g_sheetDocument.headerFlag = 1;
    g_cursorMark.visible = true;
    state.add(words(kObjLine, 2400, 0, 2500, 0));
    RecordingOverlays overlays;
    g_sheetPaintHooks.overlays = &overlays;

    const plat::Rect client{0, 0, 800, 600};
    plat::RecordingDc dc;
    PrepareScreenMapping(dc, client);
    PaintSheetView(dc, client);

    // The repaint records the bounds about the view centre; the title block, drawn after it
    // with the border on, records the sheet's own edges last.
    const SheetBounds& b = g_paintRecord.bounds;
    EXPECT_EQ(b.right, 2750 - 2);
    EXPECT_EQ(b.left, 2 - 2750);
    EXPECT_EQ(b.bottom, 2125 - 2);
    EXPECT_EQ(b.top, 2 - 2125);
    EXPECT_EQ(overlays.calls, (std::vector<std::string>{"scroll bars", "page breaks", "status panes", "selection",
                                                         "cursor mark"}));
    EXPECT_EQ(g_paintRecord.message.rfind("t=", 0), 0u);

    // Background first (the screen role's RGB, no pen), then the sheet.
    const plat::DcCall& background = *callsNamed(dc, "Rectangle").at(0);
    EXPECT_TRUE(background.pen.isNull());
    EXPECT_EQ(background.brush, plat::Brush::solid(plat::rgb(0, 0, 0)));
    // Two border frames in the Top role, pen 6, each drawn in the four bands along its edges.
    int frames = 0;
    for (const plat::DcCall* r : callsNamed(dc, "Rectangle"))
        frames += r->pen == plat::Pen(plat::kPsSolid, 6, plat::paletteIndex(6)) && r->brush.isNull();
    EXPECT_EQ(frames, 2 * 4);
    EXPECT_EQ(callsNamed(dc, "IntersectClipRect").size(), 2u * 4);
    // In the middle of the sheet, clear of both frames, they are not drawn at all.
    g_current.viewCentreX = 0;
    plat::RecordingDc middle;
    PrepareScreenMapping(middle, client);
    PaintSheetView(middle, client);
    int framesInMiddle = 0;
    for (const plat::DcCall* r : callsNamed(middle, "Rectangle"))
        framesInMiddle += r->pen == plat::Pen(plat::kPsSolid, 6, plat::paletteIndex(6)) && r->brush.isNull();
    EXPECT_EQ(framesInMiddle, 0);
    g_current.viewCentreX = 2500;
    EXPECT_FALSE(callsNamed(dc, "SetPixel").empty()) << "grid dots";
    EXPECT_EQ(callsNamed(dc, "SetPixel").at(0)->args.size(), 3u);

    // A printed page has no background, grid, rulers or overlays.
    overlays.calls.clear();
    g_sheetView.printing = true;
    plat::RecordingDc printed(plat::RecordingDevice{4800, 6000, 600, 600, true});
    PaintSheetView(printed, client);
    EXPECT_TRUE(callsNamed(printed, "SetPixel").empty());
    EXPECT_EQ(overlays.calls, std::vector<std::string>{"page breaks"});
}

TEST(SheetPainter, GridCoarsensAtSmallScales)
{
    PaintState state;
    g_current.gridCommand = 700;
    g_current.gridStep = 5;
    struct Case {
        int scaleIndex, step;
    } cases[] = {{6, 5}, {4, 50}, {1, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scaleIndex);
        g_current.zoomIndex = c.scaleIndex;
        g_current.zoomFactor = kZoomDivisors[static_cast<size_t>(c.scaleIndex)];
        plat::RecordingDc dc;
        SetSheetMapping(dc, {0, 0, 400, 300});
        DrawGridDots(dc);
        const auto dots = callsNamed(dc, "SetPixel");
        ASSERT_GE(dots.size(), 2u);
        EXPECT_EQ(dots[1]->args[0] - dots[0]->args[0], c.step);
        EXPECT_EQ(dots[0]->args[2], static_cast<int>(plat::paletteIndex(7)));
    }
}

// The title block records the sheet's edges for the editing code, in both of its modes.
TEST(SheetPainter, TitleBlockRecordsTheSheetBounds)
{
    plat::TestUiHost host;
    for (const char size : {'A', 'C', 'E'}) {
        for (const int mode : {0, 1}) {
            SCOPED_TRACE(std::string(1, size) + " mode " + std::to_string(mode));
            g_paintRecord.bounds = {};
            g_current.sheetSize = size;
            plat::RecordingDc dc;
            DrawTitleBlock(dc, mode);
            const SheetDimensions sheet = SheetSizeOf(size);
            EXPECT_EQ(g_paintRecord.bounds.left, 2 - sheet.width / 2);
            EXPECT_EQ(g_paintRecord.bounds.top, 2 - sheet.height / 2);
            EXPECT_EQ(g_paintRecord.bounds.right, sheet.width / 2 - 2);
            EXPECT_EQ(g_paintRecord.bounds.bottom, sheet.height / 2 - 2);
        }
    }
    g_current = CurrentDrawing{};
}
