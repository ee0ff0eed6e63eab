#include "paint_fixture.h"

#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_geometry.h"

namespace paint_test {
namespace {

TEST_F(PaintTest, PadShapes)
{
    struct Case {
        const char* what;
        int shape, xs, ys, hole;
        std::vector<std::string> names;
        std::vector<Args> args;
    };
    const Case cases[] = {
        // Ring of pen width (60 - 22) / 2 = 19 about radius (19 + 22) / 2 = 20.
        {"round", kPadRound, 60, 60, 20, {"Ellipse"}, {{80, 80, 120, 120}}},
        {"oblong", kPadOblong, 60, 30, 10, {"RoundRect", "Ellipse"}, {{70, 85, 130, 115, 20, 10}, {95, 95, 105, 105}}},
        {"rectangle", kPadRect, 60, 30, 10, {"Rectangle"}, {{70, 85, 135, 120}}},
        {"rectangle with hole", kPadRectHole, 60, 30, 10, {"Rectangle", "Ellipse"}, {{70, 85, 135, 120}, {95, 95, 105, 105}}},
        {"via without size", kPadVia, 0, 0, 0, {"Rectangle", "Ellipse"}, {{95, 95, 110, 110}, {98, 98, 102, 102}}},
        {"thermal", kPadThermal, 60, 40, 20, {"LineTo", "LineTo", "LineTo", "LineTo"}, {{131, 100}, {91, 100}, {100, 121}, {100, 79}}},
        {"cross", kPadCross, 60, 60, 0, {"Ellipse", "LineTo", "LineTo"}, {{70, 70, 130, 130}, {131, 100}, {100, 131}}},
    };
    g_paint.pixelSize = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dc.clear();
        DrawPad(dc, 100, 100, 2, c.shape, c.xs, c.ys, c.hole, 0, 0);
        const auto calls = dc.drawingCalls();
        ASSERT_EQ(calls.size(), c.names.size());
        for (size_t i = 0; i < calls.size(); ++i) {
            EXPECT_EQ(calls[i].name, c.names[i]);
            EXPECT_EQ(calls[i].args, c.args[i]);
        }
    }
    // The round ring's pen and its background fill, so the hole shows.
    dc.clear();
    DrawPad(dc, 100, 100, 2, kPadRound, 60, 60, 20, 0, 0);
    EXPECT_EQ(dc.drawingCalls()[0].pen.width, 19);
    EXPECT_EQ(dc.drawingCalls()[0].brush.color, colorOf(RoleColor(kRoleBackground)));
}

TEST_F(PaintTest, PadRotation)
{
    // Rotations 1 to 7 are painted axis-aligned; 900 turns the rectangle exactly.
    DrawPad(dc, 0, 0, 2, kPadRect, 60, 20, 0, 7, 0);
    EXPECT_EQ(dc.drawingCalls()[0].name, "Rectangle");
    dc.clear();
    DrawPad(dc, 0, 0, 2, kPadRect, 60, 20, 0, 900, 0);
    const auto calls = dc.drawingCalls();
    ASSERT_EQ(calls[0].name, "Polygon");
    EXPECT_EQ(calls[0].args, (Args{10, -30, 10, 30, -10, 30, -10, -30}));
}

TEST_F(PaintTest, QuarterTurnsAndMirrorOfPackagePoints)
{
    g_partPosition = {1000, 2000};
    g_board.zoomIndex = 3;
    const int32_t x = -1000 + 30, y = -500 + 10;   // (30, 10) from the package origin
    struct Case {
        int rotation, mirror;
        int32_t ex, ey;
    };
    const Case cases[] = {{0, 0, 1030, 2010}, {0, 1, 970, 2010}, {900, 0, 990, 2030},
                          {900, 1, 1010, 2030}, {1800, 0, 970, 1990}, {2700, 0, 1010, 1970},
                          {2700, 1, 990, 1970}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation * 10 + c.mirror);
        int32_t ox = 0, oy = 0;
        TransformPoint(x, y, ox, oy, c.rotation, c.mirror);
        EXPECT_EQ(ox, c.ex);
        EXPECT_EQ(oy, c.ey);
    }
    int32_t ox = 0, oy = 0;
    TransformPoint(x, y, ox, oy, 450, 0);   // 45 degrees: (30, 10) turns to (14, 28)
    EXPECT_EQ(ox, 1014);
    EXPECT_EQ(oy, 2028);
    EXPECT_EQ(IsOrthogonalRotation(900 | 0x1000), 1);
    EXPECT_EQ(IsOrthogonalRotation(450), 0);
}

// Painting never deletes a part: one whose package is not loaded stays, undrawn, to be saved.
TEST_F(PaintTest, UnresolvedPartsTakeTheirPackageOrStayUndrawn)
{
    const int n = addPackage("LIB\\RES", {object(kKindPad, 0, {px(0), py(0), 600, 600, 0, kPadRect, 0, 0})});
    const int found = addPart("10K!lib\\res", 0, 0, 0, 0);
    const int missing = addPart("LIB\\NOPE", 0, 0, 0, 0);
    paint();
    EXPECT_EQ(g_board.objects[found].kind(), kKindPart + n);
    EXPECT_STREQ(g_board.objects[found].text(), "10K");
    EXPECT_EQ(g_board.objects[missing].kind(), kKindPart);
    EXPECT_STREQ(g_board.objects[missing].text(), "LIB\\NOPE");
}

TEST_F(PaintTest, LabelPlaceholdersGiveThePrefixAndPosition)
{
    BoardObject placeholder = object(kKindText, 16, {px(100), py(-200), 0x301, 0, 0, 0, 0, 0});
    placeholder.data = StrDupChecked("R?");
    BoardObject pinLabel = object(kKindText, 16, {px(0), py(0), 0x301, 0, 0, 0, 0, 0});
    pinLabel.data = StrDupChecked("p?");
    const int n = addPackage("LIB\\CAP", {pinLabel, placeholder});

    BoardObject part = object(kKindPart + n, 0, {0, 0, 0, 0, 0, -1, 0, 1});
    part.data = StrDupChecked("10K");
    int flag = 0;
    SetPartLabelAnchor(part, &flag);
    EXPECT_STREQ(part.text(), "R");            // no value part: the prefix alone
    EXPECT_EQ(part.w[2], px(100));
    EXPECT_EQ(part.w[3], py(-200));
    EXPECT_EQ(flag, 1);

    const int i = addPart("100N!lib\\cap", 0, 0, 0, 0);
    g_board.objects[i].w[2] = 7;               // a label position of its own is kept
    paint();
    EXPECT_EQ(g_board.objects[i].kind(), kKindPart + n);
    EXPECT_STREQ(g_board.objects[i].text(), "R:100N");
    EXPECT_EQ(g_board.objects[i].w[2], 7);
    FreeObjectData(part);
}

// A package's "p?" name placeholder is a marker: a part shows its silk and label alike with it
// or without it, on the silk layers and in the copper view.
TEST_F(PaintTest, NamePlaceholderIsNeverDrawn)
{
    const BoardObject outline = object(kKindLine, kLayerSilkTop, {px(-300), py(0), px(300), py(0), 0, 0, 0, 8});
    BoardObject placeholder = object(kKindText, kLayerSilkTop, {px(0), py(-400), 0x301, 0, 0, 0, 0, 0});
    placeholder.data = StrDupChecked("p?");
    BoardObject value = object(kKindText, kLayerSilkTop, {px(0), py(400), 0x301, 0, 0, 0, 0, 0});
    value.data = StrDupChecked("p?VALUE");
    const int marked = addPackage("LIB\\MARKED", {outline, placeholder});
    const int plain = addPackage("LIB\\PLAIN", {outline});
    const int valued = addPackage("LIB\\VALUED", {outline, value});
    const int withMarker = addPart("R", marked, 0, 0, 0);
    const int without = addPart("R", plain, 0, 0, 0);
    const int withValue = addPart("R", valued, 0, 0, 0);
    g_boardSettings.layerDisplay[0] = 1;
    for (const int layer : {kLayerSilkTop, kLayerTop}) {
        SCOPED_TRACE(layer);
        g_edit.currentLayer = layer;
        const auto drawn = paint(withMarker, withMarker);
        EXPECT_EQ(drawn.size(), paint(without, without).size());
        EXPECT_EQ(paint(withValue, withValue).size(), drawn.size()) << "any text beginning p? is the marker";
    }
}

TEST_F(PaintTest, SectionsAndReferenceLabels)
{
    // Four sections of 8 objects each (the last four of a section start the next one).
    std::vector<BoardObject> objects;
    for (int i = 0; i < 32; ++i)
        objects.push_back(object(kKindPad, 0, {px(i * 100), py(0), 600, 600, 0, kPadRect, 0, 0}));
    const int n = addPackage("LIB\\QUAD", objects, 4);
    const int part = addPart("U", n, 0, 0, 0, 0, 2);   // section 'c'
    g_boardSettings.layerDisplay[0] = 1;
    const auto calls = paint();
    // Pads 16..19 of the package (the third quarter less four), then the label strokes.
    int pads = 0;
    for (const auto& c : calls)
        pads += c.name == "Rectangle";
    EXPECT_EQ(pads, 4);
    EXPECT_EQ(calls[0].args[0], (1600 / 10) - 30);
    EXPECT_GT(g_board.objects[part].w[8], 0);   // the label "U1C" was drawn and measured

    int sections = 0, count = 0, first = 0, value = 0;
    FindPartPin(n, sections, count, first, 3, value);   // no header with key 3: untouched
    EXPECT_EQ(count, 0);
    FindPartPin(n, sections, count, first, 0, value);
    EXPECT_EQ(sections, 4);
    EXPECT_EQ(count, 32);
}

TEST_F(PaintTest, SilkSidesOfPlacedParts)
{
    const int n = addPackage("LIB\\SILK", {object(kKindLine, 16, {px(0), py(0), px(500), py(0), 0, 0, 0, 0})});
    g_boardSettings.layerDisplay[0] = 1;   // both silk screens shown
    g_boardSettings.layerDisplay[1] = 1;
    struct Case {
        const char* what;
        int layer;
        int32_t word5;
        bool top, bottom;
    };
    const Case cases[] = {
        {"all layers with the bottom-silk flag: both sides", kLayerAll, 0x20, true, true},
        {"all layers without the flag: top only", kLayerAll, 0, true, false},
        {"all layers without sections (-1 is not the flag)", kLayerAll, -1, true, false},
        {"top", kLayerTop, 0x20, true, false},
        {"inner layer: bottom only", 1, 0, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_board.count = 1;
        addPart("U", n, c.layer, 0, 0, 0, c.word5);
        bool top = false, bottom = false;
        for (const auto& call : paint()) {
            top = top || call.pen.color == colorOf(RoleColor(kRoleTopSilk));
            bottom = bottom || call.pen.color == colorOf(RoleColor(kRoleBottomSilk));
        }
        EXPECT_EQ(top, c.top);
        EXPECT_EQ(bottom, c.bottom);
        FreeObjectData(g_board.objects[g_board.count]);
    }

    // A part without a reference text yet shows its silk but no label.
    g_board.count = 1;
    const int unnamed = addPart("", n, kLayerTop, 0, 0);
    int lines = 0;
    for (const auto& call : paint())
        lines += call.name == "LineTo";
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(g_board.objects[unnamed].w[8], 0);
}

TEST_F(PaintTest, PackageTextsFollowThePinTextSize)
{
    BoardObject silk = object(kKindText, 0, {px(0), py(0), 0x301, 0, 0, 0, 0, 0});
    silk.data = StrDupChecked("AB");
    BoardObject pin = object(kKindText, 0, {px(0), py(0), 0x301, 0, 0, 0, 3, 0});
    pin.data = StrDupChecked("1");
    const int n = addPackage("LIB\\TXT", {silk, pin});
    addPart("U", n, 0, 0, 0);
    g_boardSettings.layerDisplay[0] = 1;
    g_boardSettings.hidden = 1;   // pin numbers shown
    auto calls = paint();
    int strokes = 0, texts = 0;
    for (const auto& c : calls) {
        strokes += c.name == "LineTo" || c.name == "Arc";
        texts += c.name == "TextOut";
    }
    EXPECT_GT(strokes, 4);
    EXPECT_EQ(texts, 1);

    g_boardSettings.pin_font = kPinFontHidesTexts;
    calls = paint();
    texts = 0;
    for (const auto& c : calls)
        texts += c.name == "TextOut";
    EXPECT_EQ(texts, 0);
}

TEST_F(PaintTest, FontTextHeightsAndDragBoxes)
{
    // Pin sizes: index 3 is 10 x 80 board units, 80 mils at zoom index 3.
    DrawFontText(dc, 10, 20, "12", 0x301, 0, 2, 1);
    auto calls = dc.drawingCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].font.height, -80);
    EXPECT_EQ(calls[0].font.face, "Arial");
    EXPECT_EQ(calls[0].bkMode, plat::kTransparent);

    dc.clear();
    DrawFontText(dc, 10, 20, "X", 0x8581, 900, 2, 0);   // bold italic at 90 degrees
    calls = dc.drawingCalls();
    EXPECT_EQ(calls[0].font.weight, 700);
    EXPECT_TRUE(calls[0].font.italic);
    EXPECT_EQ(calls[0].font.escapement, 900);

    g_paint.rasterMode = kModeInvert;
    dc.clear();
    DrawFontText(dc, 10, 20, "X", 0x501, 0, 2, 0);
    calls = dc.drawingCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, "Rectangle");
    EXPECT_EQ(calls[0].pen.style, plat::kPsDot);
}

TEST_F(PaintTest, ThermalPadsCarryTheirPlaneName)
{
    add(object(kKindPad, kLayerGround, {0, 0, 600, 600, 0, kPadThermal, 200, 0}));
    g_edit.currentLayer = kLayerGround;
    // Painted with the plane (pass 17) and again by the thermal pass over it (pass 18).
    const auto calls = paint();
    ASSERT_EQ(calls.size(), 10u);
    EXPECT_EQ(calls[0].pen.color, colorOf(RoleColor(kRoleHighlight)));
    EXPECT_EQ(calls[4].name, "TextOut");
    EXPECT_EQ(calls[4].text, "g");
    EXPECT_EQ(calls[4].args, (Args{-2, 2}));
}

}  // namespace
}  // namespace paint_test
