// The Gerber import: aperture definitions into the imported D-code table, draws into traces
// and flashes into pads, what we export coming back as it was written, and hostile files
// refused with a message and nothing added.
#include "tracelyn/route/photoplot_fixture.h"

#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/route/gerber_import.h"
#include "support/special_files.h"

#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

namespace photoplot_test {
namespace {

using Flash = std::tuple<int, int, int, int>;   // x, y, width, height

// The flashes the writer makes for a layer, in board units.
class FlashList : public ArtworkSink {
public:
    void line(int, int, int, int, int) override {}
    void cornerArc(int, int, int, int, int) override {}
    void arc(int, int, int, int, int) override {}
    void flash(int x, int y, const Aperture& a) override { flashes.emplace_back(x, y, a.x, a.y); }
    void region(std::span<const int32_t>) override {}
    std::vector<Flash> flashes;
};

class GerberImportTest : public PhotoplotTest {
protected:
    void SetUp() override
    {
        PhotoplotTest::SetUp();
        registerTracelynResources();
    }
    void TearDown() override
    {
        g_importedDcodes = ImportedDcodeTable{};
        PhotoplotTest::TearDown();
    }
};

TEST_F(GerberImportTest, WhatWeExportComesBackAsTheSameTracesAndPads)
{
    buildExample();
    GerberLayerFlags top;
    top.on[kLayerTop] = 1;
    BuildApertureTable(top);
    const std::string text = GerberLayerText(kLayerTop);
    FlashList written;
    WalkLayerArtwork(kLayerTop, written);

    const GerberImport read = ReadGerber(text, kLayerTop);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_TRUE(read.warnings.empty());
    std::multimap<std::tuple<int, int, int, int>, int> traces;
    std::vector<Flash> pads;
    for (const BoardObject& o : read.objects) {
        EXPECT_EQ(o.layer(), kLayerTop);
        if (o.kind() == kKindLine) {
            traces.emplace(std::make_tuple(o.w[0], o.w[1], o.w[2], o.w[3]), o.w[7]);
            ASSERT_LT(o.w[6], static_cast<int>(read.dcodes.size()));
            EXPECT_EQ(o.w[7], std::lround(read.dcodes[static_cast<size_t>(o.w[6])].x * 10000));
        } else if (o.kind() == kKindPad) {
            pads.emplace_back(o.w[0], o.w[1], o.w[2], o.w[3]);
            ASSERT_LT(o.w[7], static_cast<int>(read.dcodes.size()));
        }
    }
    int board = 0;
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() != kKindLine || o.layer() != kLayerTop)
            continue;
        ++board;
        SCOPED_TRACE(i);
        const auto found = traces.find(std::make_tuple(o.w[0], o.w[1], o.w[2], o.w[3]));
        ASSERT_NE(found, traces.end());
        EXPECT_EQ(found->second, o.w[7]);
    }
    EXPECT_EQ(board, 10);
    EXPECT_EQ(pads, written.flashes);
    EXPECT_EQ(pads.size(), 22u);   // 16 pads of the two 8-pin parts, 4 resistor pads, 2 vias
}

TEST_F(GerberImportTest, ApertureDefinitionsFillTheTable)
{
    const GerberImport read = ReadGerber("%FSLAX24Y24*%\n%MOIN*%\n%AMTHERM*1,1,0.1,0,0*%\n"
                                         "%ADD10C,0.0150*%\n%ADD11R,0.0600X0.0400*%\n%ADD12O,0.07X0.05*%\n"
                                         "%ADD13P,0.08X6*%\n%ADD999THERM*%\n%ADD14C,0.06X0.03*%\n"
                                         "D11*\nX10000Y-5000D03*\nD10*\nX0Y0D02*\nX10000Y0D01*\nM02*\n",
                                         kLayerSilkTop);
    ASSERT_TRUE(read.ok) << read.error;
    struct Expect {
        const char* name;
        int32_t type;
        float x, y;
    };
    const Expect expected[] = {{"D10", kDcodeRound, 0.015f, 0.015f}, {"D11", kDcodeRectangle, 0.06f, 0.04f},
                               {"D12", kDcodeOval, 0.07f, 0.05f},    {"D13", kDcodeRound, 0.08f, 0.08f},
                               {"D999", kDcodeDraw, 0.0f, 0.0f},     {"D14", kDcodeRound, 0.06f, 0.06f}};
    ASSERT_EQ(read.dcodes.size(), std::size(expected));
    for (size_t i = 0; i < read.dcodes.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_STREQ(read.dcodes[i].name.data(), expected[i].name);
        EXPECT_EQ(read.dcodes[i].type, expected[i].type);
        EXPECT_FLOAT_EQ(read.dcodes[i].x, expected[i].x);
        EXPECT_FLOAT_EQ(read.dcodes[i].y, expected[i].y);
    }
    ASSERT_EQ(read.objects.size(), 2u);
    const BoardObject& pad = read.objects[0];
    EXPECT_EQ(pad.kind(), kKindPad);
    EXPECT_EQ(pad.layer(), kLayerSilkTop);
    EXPECT_EQ((std::array<int32_t, 8>{pad.w[0], pad.w[1], pad.w[2], pad.w[3], 0, pad.w[5], pad.w[6], pad.w[7]}),
              (std::array<int32_t, 8>{10000, 5000, 600, 400, 0, kDcodeRectangle, 0, 1}));
    const BoardObject& trace = read.objects[1];
    EXPECT_EQ(trace.kind(), kKindLine);
    EXPECT_EQ((std::array<int32_t, 4>{trace.w[0], trace.w[1], trace.w[2], trace.w[3]}),
              (std::array<int32_t, 4>{0, 0, 10000, 0}));
    EXPECT_EQ(trace.w[6], 0);
    EXPECT_EQ(trace.w[7], 150);
    EXPECT_STREQ(DcodeTypeName(kDcodeDraw), "DRAW");
}

TEST_F(GerberImportTest, FormatsUnitsArcsAndRegionsAreUnderstood)
{
    // Trailing zeros left out, millimetres, an arc in both quadrant modes and a region.
    const GerberImport read = ReadGerber("%FSTAX24Y24*%\n%MOMM*%\n%ADD10C,0.254*%\nD10*\n"
                                         "X0254Y0D02*X0508Y0D01*\nX0254Y0D02*\n"
                                         "G75*G03X0Y0254I-0254J0D01*\n"
                                         "G74*G02X0254Y0I0J0254D01*\n"
                                         "G01*G36*X0Y0D02*X0254Y0D01*X0254Y0254D01*X0Y0D01*G37*\nM02*\n",
                                         kLayerTop);
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_GE(read.objects.size(), 3u);
    const BoardObject& first = read.objects[0];
    EXPECT_EQ((std::array<int32_t, 4>{first.w[0], first.w[1], first.w[2], first.w[3]}),
              (std::array<int32_t, 4>{1000, 0, 2000, 0}));
    EXPECT_EQ(first.w[7], 100);
    // Both arcs end where they should and stay on their circles.
    int lines = 0;
    for (const BoardObject& o : read.objects) {
        if (o.kind() != kKindLine)
            continue;
        ++lines;
        if (lines > 1) {
            EXPECT_NEAR(std::hypot(o.w[2], o.w[3]), 1000, 2);
        }
    }
    EXPECT_EQ(lines, 33);
    const BoardObject& region = read.objects.back();
    EXPECT_EQ(region.kind(), kKindPolygon);
    EXPECT_EQ(region.w[2], 4);
    EXPECT_EQ(region.w[6], 1);
}

TEST_F(GerberImportTest, HostileFilesAreRefusedWithAClearMessage)
{
    const std::string head = "%FSLAX24Y24*%\n%MOIN*%\n%ADD10C,0.01*%\n";
    const std::string manyParameters = "%ADD11C" + std::string(",1") + [] {
        std::string s;
        for (int i = 0; i < 200; ++i)
            s += "X1";
        return s;
    }() + "*%\n";
    std::string manyVertices = head + "G36*X0Y0D02*";
    for (int i = 0; i < 4100; ++i)
        manyVertices += "X" + std::to_string(i) + "Y1D01*";
    struct Case {
        std::string file;
        const char* says;
    };
    const Case cases[] = {
        {head + "D12*\n", "Aperture D12 is used but not defined"},
        {head + "D4*\n", "Aperture D4 is used but not defined"},
        {head + "D2147483648*\n", "Gerber command not understood"},
        {"%FSLAX24Y24*%\n%ADD0C,0.1*%\n", "Aperture number out of range"},
        {"%FSLAX24Y24*%\n%ADD99999999C,0.1*%\n", "Aperture number out of range"},
        {"%FSLAX24Y24*%\n%ADD10C,0.1*%\n%ADD10C,0.2*%\n", "Aperture D10 is defined twice"},
        {"%FSLAX24Y24*%\n%ADD10FOO,0.1*%\n", "undefined macro \"FOO\""},
        {"%AM" + std::string(200, 'M') + "*1,1,1,0,0*%\n", "aperture macro without a usable name"},
        {"%AM*1,1*%\n", "aperture macro without a usable name"},
        {"%FSLAX24Y24*%\n" + manyParameters, "Too many aperture parameters"},
        {"%FSLAX24Y24*%\n%ADD10C*%\n", "Wrong number of parameters"},
        {"%FSLAX24Y24*%\n%ADD10R,0.1*%\n", "Wrong number of parameters"},
        {"%FSLAX24Y24*%\n%ADD10P,0.1X2*%\n", "Wrong number of vertices"},
        {"%FSLAX24Y24*%\n%ADD10C,inf*%\n", "Aperture size not understood"},
        {"%FSLAX24Y24*%\n%ADD10C,1e999*%\n", "Aperture size not understood"},
        {"%FSLAX24Y24*%\n%ADD10C,-1*%\n", "Aperture size not understood"},
        {"%FSLAX24Y24*%\n%ADD10C,11*%\n", "Aperture size out of range"},
        {head + "D10*X123456789012345678Y0D02*\n", "Gerber coordinate out of range"},
        {"%FSLAX66Y66*%\n%ADD10C,0.01*%\nD10*X999999999999Y0D02*\n", "Gerber coordinate out of range"},
        {"%FSLAX99Y99*%\n", "format statement not understood"},
        {"%FSLAX24Y25*%\n", "format statement not understood"},
        {"%ADD10C,0.01*%\nD10*X100Y100D02*\n", "Coordinates before the Gerber format statement"},
        {head + "G99*\n", "Gerber command G99 not understood"},
        {head + "M05*\n", "Gerber command not understood"},
        {head + "Q12*\n", "Gerber command not understood"},
        {head + "X*\n", "Gerber command not understood"},
        {"%FSLAX24Y24*%\n%ADD10C,0.01*%\nX0Y0D03*\n", "before an aperture is chosen"},
        {"%FSLAX24Y24*\n", "ends inside a command"},
        {head + "D10*X0Y0D02", "ends inside a command"},
        {head + std::string(70000, '1') + "*", "too long"},
        {head + "G36*X0Y0D02*X10Y10D01*", "ends inside a region"},
        {head + "D10*G36*X0Y0D03*G37*", "flash inside a region"},
        {manyVertices, "too many vertices"},
        {"%MOCM*%\n", "Gerber unit not understood"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        const GerberImport read = ReadGerber(c.file, kLayerTop);
        EXPECT_FALSE(read.ok);
        EXPECT_NE(read.error.find(c.says), std::string::npos) << read.error;
        EXPECT_TRUE(read.objects.empty());
    }
}

TEST_F(GerberImportTest, UnknownParametersAreReadPastWithAFewWarnings)
{
    std::string file = "%FSLAX24Y24*%\n%MOIN*%\n%ADD10C,0.01*%\n%IPNEG*%\n%SRX2Y2I1J1*%\n";
    for (int i = 0; i < 8; ++i)
        file += "%KO" + std::to_string(i) + "*%\n";
    file += "D10*X0Y0D03*M02*\nX1Y1D03*\n";
    const GerberImport read = ReadGerber(file, kLayerTop);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.objects.size(), 1u) << "nothing is read after the end of file";
    ASSERT_EQ(read.warnings.size(), 5u);
    EXPECT_EQ(read.warnings[0], "Gerber command \"IPNEG\" not implemented.");
}

TEST_F(GerberImportTest, ImportAppendsToTheBoardAndTheCorrectedSizesApplyOnlyToIt)
{
    buildExample();
    const int before = g_board.count;
    folder.write("part.gbr", "%FSLAX24Y24*%\n%MOIN*%\n%ADD10C,0.0150*%\n%ADD11R,0.06X0.04*%\n"
                             "D11*X1000Y-1000D03*\nD10*X0Y0D02*X5000Y0D01*\nM02*\n");
    EXPECT_EQ(ImportGerberFile(folder.file("part.gbr"), kLayerTop), 2);
    ASSERT_EQ(g_board.count, before + 2);
    EXPECT_EQ(doc.objectCount, g_board.count);
    EXPECT_TRUE(doc.modified);
    ASSERT_EQ(g_importedDcodes.records.size(), 2u);

    g_importedDcodes.records[0].x = 0.025f;
    g_importedDcodes.records[1] = {{'D', '1', '1'}, kDcodeOval, 0.08f, 0.03f};
    ApplyImportedApertures();
    const BoardObject& pad = g_board.objects[before + 1];
    EXPECT_EQ((std::array<int32_t, 3>{pad.w[2], pad.w[3], pad.w[5]}), (std::array<int32_t, 3>{800, 300, kDcodeOval}));
    EXPECT_EQ(g_board.objects[before + 2].w[7], 250);
    // The board's own traces keep their widths although their word 6 reads as record 0.
    for (int i = 2; i <= before; ++i)
        if (g_board.objects[i].kind() == kKindLine) {
            EXPECT_EQ(g_board.objects[i].w[7], 150);
        }
}

TEST_F(GerberImportTest, FilesThatCannotBeReadAddNothing)
{
    buildExample();
    const int before = g_board.count;
    folder.write("binary.gbr", std::string("%FSLAX24Y24*%\0\x01", 16));
    folder.write("bad.gbr", "%FSLAX24Y24*%\nD10*\n");
    struct Case {
        std::string path;
        const char* says;
    };
    const Case cases[] = {{folder.file("missing.gbr"), "Can't open file: "},
                          {folder.file("binary.gbr"), "Not a Gerber file"},
                          {folder.file("bad.gbr"), "Aperture D10 is used but not defined"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        host.clearEvents();
        EXPECT_EQ(ImportGerberFile(c.path, kLayerTop), 0);
        ASSERT_EQ(host.messageBoxes().size(), 1u);
        EXPECT_NE(host.messageBoxes()[0].find(c.says), std::string::npos);
        EXPECT_EQ(g_board.count, before);
    }
    for (const quill_test::NonFile& f : quill_test::placeNonFiles(folder.path() / "pipe.gbr", folder.path() / "dir.gbr")) {
        SCOPED_TRACE(f.kind);
        host.clearEvents();
        quill_test::withoutWaiting({f}, [&] { EXPECT_EQ(ImportGerberFile(f.path.string(), kLayerTop), 0); });
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{quill_test::notAFileMessage(f)});
        EXPECT_EQ(g_board.count, before);
    }
}

TEST_F(GerberImportTest, AFullStoreTakesNothing)
{
    g_board.count = kMaxBoardObjects - 3;
    folder.write("two.gbr", "%FSLAX24Y24*%\n%ADD10C,0.01*%\nD10*X0Y0D03*X1Y1D03*X2Y2D03*\n");
    EXPECT_EQ(ImportGerberFile(folder.file("two.gbr"), kLayerTop), 0);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Database FULL--objects not loaded"});
    EXPECT_EQ(g_board.count, kMaxBoardObjects - 3);
    g_board.count = 1;
}

}  // namespace
}  // namespace photoplot_test
