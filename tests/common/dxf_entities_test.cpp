#include "common/dxf_entities.h"

#include "support/decimal_comma_locale.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

namespace {

std::string line(int x1, int y1, int x2, int y2)
{
    std::string out;
    DxfWriteLine(out, x1, y1, x2, y2);
    return out;
}

}  // namespace

TEST(DxfEntities, LinesAndCirclesInInchesWithYUp)
{
    EXPECT_EQ(line(100, 200, 0, 0),
              "0\nLINE\n8\n0\n10\n0.200\n20\n-0.400\n11\n0.000\n21\n0.000\n");
    std::string circle;
    DxfWriteCircle(circle, 100, -50, 100, 50, 3, 1, 1, 9);
    EXPECT_EQ(circle, "0\nCIRCLE\n8\n0\n39\n0.018\n10\n0.200\n20\n0.100\n40\n0.200\n");
    circle.clear();
    DxfWriteCircle(circle, 100, -50, 100, 50);
    EXPECT_EQ(circle, "0\nCIRCLE\n8\n0\n10\n0.200\n20\n0.100\n40\n0.200\n");
}

TEST(DxfEntities, RectangleIsFourLinesInOrder)
{
    std::string rect;
    DxfWriteRect(rect, 0, 0, 500, 1000);
    EXPECT_EQ(rect, line(0, 0, 500, 0) + line(500, 0, 500, 1000) + line(0, 1000, 500, 1000) +
                        line(0, 0, 0, 1000));
}

TEST(DxfEntities, RotatedRectangleJoinsItsTurnedCorners)
{
    std::string rect;
    // A quarter turn about the first corner: (0,0) (0,100) (200,100) (200,0) become
    // (0,0) (-100,0) (-100,200) (0,200).
    DxfWriteRotatedRect(rect, 0, 0, 0, 0, 200, 100, 0, 0, 0, 0, 1.5707963267948966, false);
    EXPECT_EQ(rect, line(0, 0, -100, 0) + line(-100, 0, -100, 200) + line(-100, 200, 0, 200) +
                        line(0, 200, 0, 0));
    std::string mirrored;
    DxfWriteRotatedRect(mirrored, 0, 0, 0, 0, 200, 100, 0, 0, 0, 0, 0.0, true);
    EXPECT_EQ(mirrored, line(0, 0, 0, 100) + line(0, 100, -200, 100) + line(-200, 100, -200, 0) +
                            line(-200, 0, 0, 0));
}

TEST(DxfEntities, TextAngleAndValue)
{
    struct Case {
        const char* name;
        const char* text;
        int angleWord;
        const char* value;
        int degrees;
    };
    const Case cases[] = {
        {"plain", "R1", 0, "R1", 0},
        {"quarter turn", "R1", 900, "R1", 90},
        {"mirror bit is not angle", "R1", 4096 + 900, "R1", 90},
        {"line break becomes blank", "a\r\nb", 0, "a  b", 0},
        {"control and delete", "x\x1A\x7Fy", 0, "x  y", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string out;
        DxfWriteText(out, 100, 200, c.text, 0x0901, c.angleWord);
        EXPECT_EQ(out, std::string("0\nTEXT\n8\n0\n10\n0.200\n20\n-0.402\n1\n") + c.value +
                           "\n40\n0.08\n50\n" + std::to_string(c.degrees) + "\n");
    }
}

TEST(DxfEntities, QuarterArcs)
{
    struct Case {
        const char* name;
        int x1, y1, x2, y2;
        const char* expected;  // empty: nothing written
    };
    const Case cases[] = {
        {"same y, rightward", 0, 0, 100, 0,
         "0\nARC\n8\n0\n10\n0.200\n20\n-0.200\n40\n0.200\n50\n0\n51\n90\n"},
        {"up and right", 0, 100, 100, 0,
         "0\nARC\n8\n0\n10\n0.200\n20\n-0.200\n40\n0.200\n50\n90\n51\n180\n"},
        {"down and right", 0, 0, 100, 100,
         "0\nARC\n8\n0\n10\n0.200\n20\n0.000\n40\n0.200\n50\n180\n51\n270\n"},
        {"down and left", 100, 0, 0, 100,
         "0\nARC\n8\n0\n10\n0.000\n20\n0.000\n40\n0.200\n50\n270\n51\n360\n"},
        {"up and left", 100, 100, 0, 0,
         "0\nARC\n8\n0\n10\n0.000\n20\n-0.200\n40\n0.200\n50\n0\n51\n90\n"},
        {"one point", 5, 5, 5, 5, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string out;
        DxfWriteArc(out, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(out, c.expected);
    }
}

TEST(DxfEntities, ExtremeCoordinatesStayDefined)
{
    std::string out;
    DxfWriteArc(out, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    DxfWriteText(out, INT_MIN, INT_MIN, "x", 0, -1);
    DxfWriteLine(out, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_NE(out.find("TEXT"), std::string::npos);
}

TEST(DxfEntities, DecimalCommaLocaleGivesTheSameBytes)
{
    std::string before = line(1234, -5678, 1, 1);
    DxfWriteCircle(before, 3, 3, 77, 77);
    std::string during;
    {
        quill_test::DecimalCommaLocale locale;
        if (!locale.active())
            GTEST_SKIP() << "no decimal-comma locale could be made on this machine";
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 0.5);
        ASSERT_STREQ(probe, "0,5");
        during = line(1234, -5678, 1, 1);
        DxfWriteCircle(during, 3, 3, 77, 77);
    }
    EXPECT_EQ(during, before);
}

TEST(DxfEntities, FileOpensWithItsExtentsAndClosesItsEntities)
{
    std::string out;
    DxfBeginFile(out, 5000, 2500);
    EXPECT_EQ(out, "0\nSECTION\n2\nHEADER\n9\n$EXTMIN\n10\n-10.000\n20\n-5.000\n9\n$EXTMAX\n10\n10.000\n20\n5.000\n"
                   "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n");
    out.clear();
    DxfEndFile(out);
    EXPECT_EQ(out, "0\nENDSEC\n0\nEOF\n");
}
