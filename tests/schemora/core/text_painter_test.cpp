// Texts: the font a text attribute asks for, where the string lands, and how dragging,
// mirroring and monochrome printing change it.
#include "paint_test_support.h"

#include "schemora/core/paint_style.h"
#include "schemora/core/text_painter.h"

#include <gtest/gtest.h>

using namespace paint_test;

TEST(TextPainter, FontsFromTheAttributeWord)
{
    PaintState state;
    struct Case {
        int attribute, angle, role;
        std::string face;
        int height, width, escapement, weight;
        bool italic;
    } cases[] = {
        {0, 0, kRoleText, "Arial", -54, 30, 0, 400, false},                    // font 0: Arial, size 9
        {(8 << 8) | 14, 900, kRoleText, "Times New Roman", -48, 0, 900, 400, false},
        {0x80 | (5 << 8) | 3 | 0x8000, 0x1000 | 450, kRoleText, "Courier New", -30, 0, 450, 700, true},
        {3333, 2700, kRoleRulers, "Modern", -13, 0, 2700, 400, false},          // rulers: size as is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attribute);
        const plat::Font font = MakeTextFont(c.attribute, c.angle, c.role);
        EXPECT_EQ(font.face, c.face);
        EXPECT_EQ(font.height, c.height);
        EXPECT_EQ(font.width, c.width);
        EXPECT_EQ(font.escapement, c.escapement);
        EXPECT_EQ(font.orientation, c.escapement);
        EXPECT_EQ(font.weight, c.weight);
        EXPECT_EQ(font.italic, c.italic);
    }
    EXPECT_EQ(MakeTextFont(11, 0, kRoleText).charSet, 2) << "Symbol";
    EXPECT_EQ(MakeTextFont(5, 0, kRoleText).charSet, 255) << "Modern";
}

TEST(TextPainter, PlacementHeightAndModes)
{
    PaintState state;
    plat::RecordingDc dc;
    const plat::Font before = dc.GetCurrentFont();
    const int height = DrawTextString(dc, 100, 200, "R12", 0, 0, kRoleText);
    const plat::DcCall* out = firstCall(dc, "TextOut");
    ASSERT_NE(out, nullptr);
    EXPECT_GT(height, 0);
    EXPECT_EQ(out->args, (std::vector<int>{100, 200 - height})) << "the point is the text's lower left";
    EXPECT_EQ(out->textColor, plat::paletteIndex(30));
    EXPECT_EQ(out->font.face, "Arial");
    EXPECT_EQ(g_paintRecord.lastTextHeight, height);
    EXPECT_EQ(g_paintRecord.lastTextExtent.cx, 3 * 30) << "three characters of the default width";
    EXPECT_EQ(dc.GetCurrentFont(), before) << "the font is deselected again";

    {
        SCOPED_TRACE("turned by 90 degrees the string starts one height to the left");
        plat::RecordingDc turned;
        const int h = DrawTextString(turned, 100, 200, "IN", 0, 900, kRoleText);
        EXPECT_EQ(firstCall(turned, "TextOut")->args, (std::vector<int>{100 - h, 200}));
    }
    {
        SCOPED_TRACE("mirrored text is not drawn; dragging draws the dotted extent");
        plat::RecordingDc mirrored;
        DrawTextString(mirrored, 0, 0, "X", 0, 0x1000, kRoleText);
        EXPECT_EQ(firstCall(mirrored, "TextOut"), nullptr);
        g_drawModes.rasterMode = kModeInvert;
        plat::RecordingDc dragged;
        DrawTextString(dragged, 0, 0, "X", 0, 0, kRoleText);
        EXPECT_EQ(firstCall(dragged, "TextOut"), nullptr);
        const plat::DcCall* box = firstCall(dragged, "Rectangle");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->pen.style, plat::kPsDot);
        EXPECT_TRUE(box->brush.isNull());
        g_drawModes.rasterMode = kModeCopy;
    }
    {
        SCOPED_TRACE("monochrome printing draws texts in the Edit role");
        g_drawModes.monochromePrint = true;
        plat::RecordingDc printed;
        DrawTextString(printed, 0, 0, "X", 0, 0, kRoleText);
        EXPECT_EQ(firstCall(printed, "TextOut")->textColor, plat::paletteIndex(22));
    }
}
