// Placed parts: labels, symbol placement, unresolved parts, the parts bin and the toolbar items.
#include "paint_test_support.h"

#include "platform/core/test_ui_host.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_painter.h"
#include "schemora/core/part_previews.h"
#include "schemora/core/part_transforms.h"

#include <gtest/gtest.h>

using namespace paint_test;

TEST(PartPainter, ReferenceAndValueLabels)
{
    struct Case {
        const char* text;
        int number, slot, gates;
        bool hidden;
        const char* reference;
        const char* second;
    } cases[] = {
        {"R", 12, 0, 1, false, "R12", ""},
        {"U", 3, 2, 4, false, "U3c", ""},
        {"R:10k", 5, 0, 1, false, "R5 10k", ""},
        {"C:\\47u", 5, 0, 1, false, "C5", "47u"},
        {"R:10k", 5, 0, 1, true, "10k", ""},
        {"C:\\47u", 5, 0, 1, true, "47u", ""},
        {"Q:2N3904o", 1, 0, 1, false, "Q1 2N3904", ""},      // a final 'o' is not shown
        {"U:\\7400", 4, 1, 4, false, "U4b", "7400"},
        {"U:74HC00", 2, 0, 1, true, "U2", "74HC00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const PartLabels labels = MakePartLabels(c.text, c.number, c.slot, c.gates, c.hidden, false, 0);
        EXPECT_EQ(labels.reference, c.reference);
        EXPECT_EQ(labels.second, c.second);
    }
    EXPECT_TRUE(MakePartLabels("Q:BCo", 1, 0, 1, false, false, 0).invertedLabel);
    EXPECT_FALSE(MakePartLabels("Q:BCo", 1, 0, 1, false, true, 0).invertedLabel);
}

TEST(PartPainter, TransformsAndSmallHelpers)
{
    g_partOrigin = {100, 200};
    int x = 0, y = 0;
    TransformPartPoint(-1000, -500, &x, &y, 900, 1);
    EXPECT_EQ((plat::Point{x, y}), (plat::Point{100, 200}));
    TransformPartPoint(0, 0, &x, &y, 900, 1);
    EXPECT_EQ((plat::Point{x, y}), (plat::Point{600, 1200}));
    int rx = 10, ry = 0;
    RotatePointByAngle(0, 0, &rx, &ry, 1.5707963, false);
    EXPECT_EQ((plat::Point{rx, ry}), (plat::Point{0, 10}));
    EXPECT_TRUE(IsRightAngle(0x1000 | 2700));
    EXPECT_FALSE(IsRightAngle(450));
    bool found = false;
    int offset = 0;
    EXPECT_EQ(SplitAtBlank("VCC GND X", &found, &offset), "X");
    EXPECT_TRUE(found);
    EXPECT_EQ(offset, 4);
    EXPECT_EQ(SplitAtBlank("VCC", &found, &offset), "NONE");
    EXPECT_FALSE(found);
    for (const char* text : {";comment", "%package DIP14", "R?", "v=VCC"})
        EXPECT_TRUE(IsAttributeText(text)) << text;
    EXPECT_FALSE(IsAttributeText("10k"));
}

TEST(PartPainter, InstanceDrawsSymbolAndLabels)
{
    PaintState state;
    g_current.zoomFactor = 5;
    g_settings.PartShade = 1;
    const int r = addResistor();
    Words w = words(kObjPart, 1000, 500);      // unresolved: looked up by name
    w[6] = 12;
    DrawObject& part = state.add(w, "R:DEVICE\\R");
    plat::RecordingDc dc;
    DrawPartInstance(dc, part, kRolePart);
    EXPECT_EQ(part.type(), kObjPart + r);
    EXPECT_EQ(std::string(part.text), "R:DEVICE\\R");
    EXPECT_EQ((plat::Point{part.w[2], part.w[3]}), (plat::Point{-900, -550})) << "label point from \"R?\"";
    bool body = false;
    std::vector<std::string> texts;
    for (const plat::DcCall& c : dc.calls()) {
        if (c.name == "Rectangle" && c.brush == plat::Brush::solid(plat::paletteIndex(8))) {
            body = true;   // a hollow body is shaded
            EXPECT_EQ((std::vector<int>{c.args[0], c.args[1]}), (std::vector<int>{1050, 465}));
        }
        if (c.name == "TextOut")
            texts.push_back(c.text);
    }
    EXPECT_TRUE(body);
    EXPECT_EQ(texts, (std::vector<std::string>{"R12 DEVICE\\R"}));

    plat::TestUiHost host;
    DrawObject& missing = state.add(words(kObjPart, 0, 0), "X:NOWHERE\\Q");
    plat::RecordingDc none;
    DrawPartInstance(none, missing, kRolePart);
    EXPECT_EQ(missing.type(), kObjDeleted);
    EXPECT_EQ(missing.text, nullptr) << "the deleted slot keeps no text";
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Something wrong with part:X:NOWHERE\\Q"});
    EXPECT_TRUE(none.drawingLines().empty());
}

// A supply symbol has no label placeholder: its instances show no label, whatever their text
// says, unless a label point of their own was set.
TEST(PartPainter, ASymbolWithoutPlaceholderShowsNoLabel)
{
    PaintState state;
    g_current.zoomFactor = 5;
    const int ground = addGround();
    const auto texts = [](DrawObject& part) {
        plat::RecordingDc dc;
        DrawPartInstance(dc, part, kRolePart);
        std::vector<std::string> out;
        for (const plat::DcCall& c : dc.calls())
            if (c.name == "TextOut")
                out.push_back(c.text);
        return out;
    };
    struct Case {
        const char* text;
        int labelX, labelY;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"DEVICE\\GND", 0, 0, {}},
        {":DEVICE\\GND", 0, 0, {}},
        {"GND:\\0V", 0, 0, {}},
        {":DEVICE\\GND", -1000, -600, {"4 DEVICE\\GND"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Words w = words(kObjPart + ground, 2000, 1000);
        w[2] = c.labelX;
        w[3] = c.labelY;
        w[6] = 4;
        EXPECT_EQ(texts(state.add(w, c.text)), c.shown);
    }
    // A resistor's placeholder gives its label a place even at the symbol's own (0, 0).
    const int r = addSymbol("DEVICE\\R0", {pin(-1000, -500, -950, -500), placeholder(0, 0, "R?")});
    Words w = words(kObjPart + r, 0, 0);
    w[6] = 3;
    EXPECT_EQ(texts(state.add(w, "R")), std::vector<std::string>{"R3"});
}

TEST(PartPainter, PartsBinCellsAndItems)
{
    PaintState state;
    addResistor();
    addCapacitor();
    // The third entry's part is not loaded: its cell stays empty.
    g_settings.binParts = {"DEVICE\\R", "device\\c", "DEVICE\\NOTLOADED"};
    plat::RecordingDc dc;
    PaintPartsBinCells(dc, {0, 0, 200, 300});
    ASSERT_EQ(g_partsBinCells.cells.size(), 3u);
    EXPECT_EQ(g_partsBinCells.cells[1], (plat::Rect{100, 0, 200, 100}));
    EXPECT_EQ(g_partsBinCells.scrollRange, 200);
    EXPECT_EQ(HitTestPartsBin(50, 50), 0);
    EXPECT_EQ(HitTestPartsBin(105, 50), -1) << "5 inside the edge is outside";
    EXPECT_EQ(HitTestPartsBin(106, 150), -1);
    EXPECT_EQ(HitTestPartsBin(10, 150), 2);
    std::vector<std::string> names;
    for (const plat::DcCall& c : dc.calls())
        if (c.name == "TextOut")
            names.push_back(c.text);
    EXPECT_EQ(names, (std::vector<std::string>{"R", "C"}));

    plat::RecordingDc items;
    DrawLayerComboItem(items, {0, 0, 100, 16}, 2, true);
    DrawSheetItem(items, {0, 16, 100, 32}, 9, true, SheetItemList::Scale);
    DrawSheetItem(items, {0, 32, 100, 48}, 2, true, SheetItemList::Sheet);
    DrawSheetItem(items, {0, 48, 100, 64}, 13, true, SheetItemList::SelectionFilter);
    DrawSheetItem(items, {0, 64, 100, 80}, 1, false, SheetItemList::Grid);
    names.clear();
    for (const plat::DcCall& c : items.calls())
        if (c.name == "TextOut")
            names.push_back(c.text);
    EXPECT_EQ(names, (std::vector<std::string>{"Layer 1", "LINES", "Sheet 3", "Select ALL objects"}));
}
