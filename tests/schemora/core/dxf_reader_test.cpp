#include "schemora/core/dxf_reader.h"

#include "support/decimal_comma_locale.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

DxfObjects read(const std::string& file, std::vector<std::string>* asked = nullptr, bool answer = true)
{
    return ReadDxfObjects(file, 0x0900, [&](std::string_view name) {
        if (asked)
            asked->emplace_back(name);
        return answer;
    });
}

std::array<int32_t, 4> points(const DxfObject& o) { return {o.words[0], o.words[1], o.words[2], o.words[3]}; }

}  // namespace

TEST(DxfReader, EntitiesOfOurOwnExport)
{
    const std::string file =
        "0\nSECTION\n2\nHEADER\n9\n$EXTMIN\n10\n-8.500\n20\n-5.500\n9\n$EXTMAX\n10\n8.500\n20\n5.500\n0\nENDSEC\n"
        "0\nSECTION\n2\nENTITIES\n"
        "0\nLINE\n8\n0\n10\n0.200\n20\n-0.400\n11\n1.000\n21\n0.000\n"
        "0\nCIRCLE\n8\n0\n10\n1.000\n20\n1.000\n40\n0.500\n"
        "0\nTEXT\n8\n0\n10\n0.200\n20\n-0.402\n1\nR1\n40\n0.08\n50\n0\n"
        "0\nENDSEC\n0\nEOF\n";
    const DxfObjects result = read(file);
    EXPECT_NEAR(result.scale, 8500.0 / 11 + 8500.0 / 17, 1e-9);
    ASSERT_EQ(result.objects.size(), 3u);
    const double s = result.scale;
    const DxfObject& line = result.objects[0];
    EXPECT_EQ(line.words[4], kObjLine);
    EXPECT_EQ(points(line), (std::array<int32_t, 4>{int(0.2 * s), int(0.4 * s), int(1.0 * s), 0}));
    EXPECT_EQ(line.words[6], 1);
    EXPECT_EQ(line.words[23], 1);
    const DxfObject& circle = result.objects[1];
    EXPECT_EQ(circle.words[4], kObjEllipse);
    EXPECT_EQ(points(circle), (std::array<int32_t, 4>{int(s), -int(s), int(0.5 * s), int(0.5 * s)}));
    const DxfObject& text = result.objects[2];
    EXPECT_EQ(text.words[4], kObjText);
    EXPECT_EQ(text.words[2], 0x0900);
    EXPECT_EQ(text.text, "R1");
    EXPECT_EQ(text.words[1], int(0.402 * s));
}

TEST(DxfReader, PaddedCodesCrLfAndUnsetExtents)
{
    // What other programs write: codes right-justified, CR LF, extents left "unset".
    const std::string file =
        "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n"
        "  9\r\n$EXTMIN\r\n 10\r\n1e+20\r\n 20\r\n1e+20\r\n 30\r\n1e+20\r\n"
        "  9\r\n$EXTMAX\r\n 10\r\n-1e+20\r\n 20\r\n-1e+20\r\n 30\r\n-1e+20\r\n  0\r\nENDSEC\r\n"
        "  0\r\nSECTION\r\n  2\r\nTABLES\r\n  0\r\nTABLE\r\n  2\r\nDIMSTYLE\r\n  0\r\nENDTAB\r\n  0\r\nENDSEC\r\n"
        "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"
        "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n1.0\r\n 20\r\n2.0\r\n 30\r\n0.0\r\n 11\r\n3.0\r\n 21\r\n4.0\r\n 31\r\n0.0\r\n"
        "  0\r\nARC\r\n  8\r\n0\r\n 10\r\n0.0\r\n 20\r\n0.0\r\n 40\r\n1.0\r\n 50\r\n0.0\r\n 51\r\n90.0\r\n"
        "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
    std::vector<std::string> asked;
    const DxfObjects result = read(file, &asked);
    EXPECT_TRUE(asked.empty()) << asked.front();
    EXPECT_EQ(result.scale, 1000);
    ASSERT_EQ(result.objects.size(), 2u);
    EXPECT_EQ(points(result.objects[0]), (std::array<int32_t, 4>{1000, -2000, 3000, -4000}));
    // P at 90 degrees (0, 1000), Q at 0 degrees (1000, 0): dx > 0 and dy < 0, so they change places.
    EXPECT_EQ(result.objects[1].words[4], kObjArc);
    EXPECT_EQ(points(result.objects[1]), (std::array<int32_t, 4>{1000, 0, 0, -1000}));
}

TEST(DxfReader, PolylinesComeInClosed)
{
    const std::string file =
        "0\nPOLYLINE\n8\n0\n66\n1\n0\nVERTEX\n10\n0\n20\n0\n0\nVERTEX\n10\n1\n20\n0\n0\nVERTEX\n10\n1\n20\n1\n"
        "0\nSEQEND\n0\nEOF\n";
    const DxfObjects result = read(file);
    ASSERT_EQ(result.objects.size(), 3u);
    EXPECT_EQ(points(result.objects[0]), (std::array<int32_t, 4>{0, 0, 1000, 0}));
    EXPECT_EQ(points(result.objects[1]), (std::array<int32_t, 4>{1000, 0, 1000, -1000}));
    EXPECT_EQ(points(result.objects[2]), (std::array<int32_t, 4>{1000, -1000, 0, 0}));
}

TEST(DxfReader, HostileAndIncompleteInput)
{
    struct Case {
        const char* name;
        std::string file;
        std::size_t objects;
    };
    const Case cases[] = {
        {"entity missing a group is left out", "0\nLINE\n10\n1\n20\n1\n11\n2\n0\nCIRCLE\n10\n0\n20\n0\n40\n1\n", 1},
        {"file ends inside an entity", "0\nLINE\n10\n1\n20\n1\n11\n2\n", 0},
        {"file ends after a code line", "0\nLINE\n10\n1\n20\n1\n11\n2\n21\n", 0},
        {"complete entity at the end without EOF", "0\nLINE\n10\n1\n20\n1\n11\n2\n21\n2", 1},
        {"garbage code lines are passed over", "x\n0\nCIRCLE\n10\n0\n20\n0\n40\n1\n", 1},
        {"empty file", "", 0},
        {"equal extents", "0\nSECTION\n2\nHEADER\n9\n$EXTMIN\n10\n1\n20\n1\n9\n$EXTMAX\n10\n1\n20\n1\n0\nENDSEC\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DxfObjects result = read(c.file);
        EXPECT_EQ(result.objects.size(), c.objects);
        EXPECT_EQ(result.scale, 1000);
    }
    // A long line keeps its first 199 characters.
    const std::string longText(5000, 'A');
    const DxfObjects text = read("0\nTEXT\n10\n0\n20\n0\n1\n" + longText + "\n");
    ASSERT_EQ(text.objects.size(), 1u);
    EXPECT_EQ(text.objects[0].text.size(), 199u);
    // Huge values are clamped, not wrapped.
    const DxfObjects huge = read("0\nLINE\n10\n1e300\n20\n-1e300\n11\n-1e15\n21\n1e15\n");
    ASSERT_EQ(huge.objects.size(), 1u);
    EXPECT_EQ(points(huge.objects[0]), (std::array<int32_t, 4>{INT_MAX, INT_MAX, INT_MIN, -INT_MAX}));
}

TEST(DxfReader, UnknownEntitiesAreAskedAbout)
{
    const std::string file = "0\nLAYER\n0\nVIEWPORT\n0\nCIRCLE\n10\n0\n20\n0\n40\n1\n0\nEOF\n";
    std::vector<std::string> asked;
    EXPECT_EQ(read(file, &asked).objects.size(), 1u);
    EXPECT_EQ(asked, std::vector<std::string>{"VIEWPORT"});
    asked.clear();
    const DxfObjects stopped = read(file, &asked, false);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_TRUE(stopped.objects.empty());
}

TEST(DxfReader, TextHelpers)
{
    EXPECT_EQ(CleanDxfText("%%o12%%o"), "12");
    EXPECT_EQ(CleanDxfText("plain"), "plain");
    EXPECT_EQ(CleanDxfText("a%%obc"), "bc");
    EXPECT_TRUE(IsNumericText(""));
    EXPECT_TRUE(IsNumericText("0123"));
    EXPECT_FALSE(IsNumericText("12a"));
    EXPECT_EQ(ScaleDxfValue("1.5", 1000), 1500);
    EXPECT_EQ(ScaleDxfValue(" -0.0015 ", 1000), -1);
    EXPECT_EQ(ScaleDxfValue("abc", 1000), 0);
}

TEST(DxfReader, DecimalCommaLocaleReadsTheSame)
{
    quill_test::DecimalCommaLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no decimal-comma locale could be made on this machine";
    EXPECT_EQ(ScaleDxfValue("1.5", 1000), 1500);
}
