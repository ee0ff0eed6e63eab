// Polygons reshaped by their edge count and the font table grown by face name.
#include "platform/core/test_ui_host.h"
#include "schemora/core/font_choice.h"
#include "schemora/core/settings.h"
#include "schemora/core/style_changes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

DrawObject polygon(int cx, int cy, std::initializer_list<std::pair<int, int>> points)
{
    std::vector<int32_t> flat;
    for (const auto& [x, y] : points) {
        flat.push_back(x);
        flat.push_back(y);
    }
    return MakeDrawObject(ObjectWords(kObjPolygon, cx, cy, static_cast<int>(points.size())), nullptr, flat.data(),
                          static_cast<int>(points.size()));
}

TEST(PolygonEdges, ChangingTheCountRebuildsOrReboxesTheShape)
{
    {
        SCOPED_TRACE("a three-point polygon gets six vertices round its centre");
        DrawObject o = polygon(1000, 1000, {{1100, 1000}, {950, 1087}, {950, 913}});
        ASSERT_TRUE(SetPolygonEdges(o, 6, 2));
        EXPECT_EQ(o.type(), kObjPolygon);
        EXPECT_EQ(o.w[4] >> 10, 2);
        EXPECT_EQ(o.w[2], 6);
        EXPECT_EQ(o.pointX(0), 1100);
        EXPECT_EQ(o.pointY(0), 1000);
        EXPECT_EQ(o.pointX(3), 900);
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(std::hypot(o.pointX(i) - 1000, o.pointY(i) - 1000), 100, 1.5) << i;
        ReleaseObjectData(o);
    }
    {
        SCOPED_TRACE("a polygon becomes a triangle in the box round its circle, without its points");
        DrawObject o = polygon(1000, 1000, {{1100, 1000}, {1000, 900}, {900, 1000}, {1000, 1100}});
        ASSERT_TRUE(SetPolygonEdges(o, 3, 0));
        EXPECT_EQ(o.type(), kObjTriangle);
        EXPECT_EQ(o.text, nullptr);
        EXPECT_EQ(o.x(), 900);
        EXPECT_EQ(o.y(), 900);
        EXPECT_EQ(o.w[2], 200);
        EXPECT_EQ(o.w[3], 200);
    }
    {
        SCOPED_TRACE("a triangle becomes a polygon centred in its box");
        DrawObject o = MakeDrawObject(ObjectWords(kObjTriangle, 900, 900, 200, 200), nullptr);
        ASSERT_TRUE(SetPolygonEdges(o, 4, 1));
        EXPECT_EQ(o.type(), kObjPolygon);
        ASSERT_NE(o.text, nullptr);
        EXPECT_EQ(o.x(), 1000);
        EXPECT_EQ(o.y(), 1000);
        EXPECT_EQ(o.w[2], 4);
        EXPECT_EQ(o.pointX(1), 1000);
        EXPECT_EQ(o.pointY(1), 900);
        ReleaseObjectData(o);
    }
    {
        SCOPED_TRACE("counts past ten are held at ten; other kinds are left alone");
        DrawObject o = polygon(0, 0, {{50, 0}, {0, 50}, {-50, 0}});
        ASSERT_TRUE(SetPolygonEdges(o, 40, 0));
        EXPECT_EQ(o.w[2], kPolygonPoints);
        ReleaseObjectData(o);
        DrawObject line = MakeDrawObject(ObjectWords(kObjLine, 0, 0, 10, 10), nullptr);
        EXPECT_FALSE(SetPolygonEdges(line, 5, 0));
        EXPECT_EQ(line.type(), kObjLine);
    }
}

TEST(FontTable, AFullTableKeepsItsEntriesAndGivesTheStandardFont)
{
    plat::TestUiHost host;
    const SchematicSettings saved = g_settings;
    g_settings.fontTable = BuiltInFontTable();
    g_settings.fonts = 16;
    EXPECT_EQ(FindOrAddFont("Courier New", 49, 0), 3);
    EXPECT_EQ(FindOrAddFont("Face 17", 34, 0), 16);
    EXPECT_EQ(FindOrAddFont("Face 17", 34, 0), 16) << "found again, not added twice";
    for (int n = 18; n <= 63; ++n)
        EXPECT_EQ(FindOrAddFont("Face " + std::to_string(n), 34, 0), n - 1);
    ASSERT_EQ(g_settings.fontTable.size(), 64u);
    EXPECT_EQ(FindOrAddFont("One Too Many", 34, 0), 0);
    EXPECT_EQ(FindOrAddFont("And Another", 34, 0), 0);
    EXPECT_EQ(g_settings.fontTable.size(), 64u);
    EXPECT_EQ(g_settings.fontTable[63].face, "Face 63") << "the last entry keeps its face";
    EXPECT_EQ(host.messageBoxes().size(), 1u) << "the person is told once";
    g_settings = saved;
}

}  // namespace
