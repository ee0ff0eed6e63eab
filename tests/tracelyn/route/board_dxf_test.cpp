// The board as DXF: record formats of the board's own writers, the whole file read by ezdxf
// without audit errors, numbers independent of the locale, and Save As reaching it.
#include "tracelyn/route/photoplot_fixture.h"

#include "common/dxf_entities.h"
#include "platform/core/atomic_file.h"
#include "common/dxf_reader.h"
#include "common/string_helpers.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "support/decimal_comma_locale.h"
#include "support/full_disk.h"
#include "support/python_ezdxf.h"
#include "tracelyn/route/board_dxf.h"

#include <array>
#include <filesystem>

namespace photoplot_test {
namespace {

class BoardDxf : public PhotoplotTest {
protected:
    void SetUp() override
    {
        PhotoplotTest::SetUp();
        registerTracelynResources();
        g_edit.currentLayer = kLayerAll;
    }
};

TEST_F(BoardDxf, TraceAndPadRecordsInInches)
{
    const DxfUnitScope units(0.0001f);
    std::string out;
    DxfWriteTrace(out, 10000, 5000, -2500, 5000, 0, 0, 150);
    EXPECT_EQ(out, "0\nLINE\n8\n0\n39\n0.015\n10\n1.000\n20\n-0.500\n11\n-0.250\n21\n-0.500\n");
    struct Case {
        const char* name;
        int shape, width, height, hole, rotation;
        const char* expected;
    };
    const Case cases[] = {
        {"round: the ring's mean radius, as wide as the ring", 0, 600, 600, 200, 0,
         "0\nCIRCLE\n8\n0\n39\n0.020\n10\n0.000\n20\n0.000\n40\n0.020\n"},
        {"hole only", 1, 600, 600, 300, 0, "0\nCIRCLE\n8\n0\n10\n0.000\n20\n0.000\n40\n0.015\n"},
        {"turned by code 2: sizes exchanged", 2, 400, 200, 0, 2,
         "0\nLINE\n8\n0\n10\n-0.010\n20\n0.020\n11\n0.010\n21\n0.020\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        out.clear();
        DxfWritePad(out, 0, 0, 0, c.shape, c.width, c.height, c.hole, c.rotation);
        EXPECT_EQ(out.substr(0, std::string(c.expected).size()), c.expected);
    }
    // Shapes 3, 4, 5 and 7 add a hole circle, a ring or a cross to their outline.
    const std::pair<int, int> entities[] = {{3, 5}, {4, 6}, {5, 5}, {7, 3}, {8, 0}};
    for (const auto& [shape, count] : entities) {
        out.clear();
        DxfWritePad(out, 0, 0, 0, shape, 600, 400, 200, 0);
        size_t found = 0;
        for (size_t at = out.find("\n8\n0\n"); at != std::string::npos; at = out.find("\n8\n0\n", at + 1))
            ++found;
        EXPECT_EQ(found, static_cast<size_t>(count)) << "shape " << shape;
    }
}

TEST_F(BoardDxf, HeaderHoldsTheWorkAreaAndOneLayerLeavesTheOthersOut)
{
    buildExample();
    g_edit.currentLayer = 1;
    const std::string text = BoardDxfText();
    EXPECT_TRUE(text.starts_with("0\nSECTION\n2\nHEADER\n9\n$EXTMIN\n10\n-2.000\n20\n-2.000\n9\n$EXTMAX\n10\n2.000\n"
                                 "20\n2.000\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"));
    EXPECT_TRUE(text.ends_with("0\nENDSEC\n0\nEOF\n"));
    // Layer 1's trace is there, the top layer's first trace is not; the vias on all layers are.
    EXPECT_NE(text.find("10\n0.300\n20\n0.900\n11\n0.300\n21\n1.300\n"), std::string::npos);
    EXPECT_EQ(text.find("10\n-1.200\n20\n0.600\n11\n-1.200\n21\n-0.600\n"), std::string::npos);
    EXPECT_NE(text.find("0\nCIRCLE\n8\n0\n10\n0.900\n20\n-1.200\n40\n0.012\n"), std::string::npos);
}

TEST_F(BoardDxf, PartsExportTheirTextsButNotTheNamePlaceholder)
{
    placePartWithPlaceholder(0, 0);
    const std::string text = BoardDxfText();
    EXPECT_NE(text.find("\n1\nNOTE\n"), std::string::npos);
    EXPECT_EQ(text.find("p?"), std::string::npos);
}

// Labels stand as the screen and the silk films draw them: a part that keeps its label upright
// writes it at 0 degrees however it is turned, another turned part at its text angle; a round
// pad's circle is as wide as its copper ring. Read back through ezdxf.
TEST_F(BoardDxf, LabelsStandAsOnTheBoardAndRoundPadsCarryTheirRing)
{
    const int upright = placePartWithPlaceholder(0, 0);
    g_board.objects[upright].w[6] = 900;
    g_board.objects[upright].w[4] |= 0x100;
    FreeObjectData(g_board.objects[upright]);
    g_board.objects[upright].data = StrDupChecked("J");
    const int turned = placePartWithPlaceholder(6000, 0);
    g_board.objects[turned].w[6] = 900;
    FreeObjectData(g_board.objects[turned]);
    g_board.objects[turned].data = StrDupChecked("C");
    add(object(kKindPad, kLayerAll, {3000, 3000, 600, 600, 0, 0, 300, 0}));
    const std::string text = BoardDxfText();
    EXPECT_NE(text.find("\n1\nJ1\n40\n0.08\n50\n0\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n1\nC1\n40\n0.08\n50\n270\n"), std::string::npos) << text;
    EXPECT_NE(text.find("0\nCIRCLE\n8\n0\n39\n0.015\n10\n0.300\n20\n-0.300\n"), std::string::npos) << text;

    const std::string path = folder.file("labels.dxf");
    ASSERT_TRUE(plat::writeFileAtomically(path, text));
    const std::optional<std::string> python = quill_test::pythonWithEzdxf();
    if (!python)
        GTEST_SKIP() << "python3 with ezdxf is not installed (./dev installs python3-ezdxf)";
    const std::string script = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
texts = {e.dxf.text: e.dxf.rotation for e in doc.modelspace().query('TEXT')}
assert texts['J1'] == 0, texts
assert texts['C1'] == 270, texts
rings = [c for c in doc.modelspace().query('CIRCLE') if abs(c.dxf.center.x - 0.3) < 1e-6]
assert len(rings) == 1 and abs(rings[0].dxf.thickness - 0.0149) < 0.001, [c.dxf.thickness for c in rings]
)";
    std::string output;
    EXPECT_EQ(quill_test::runPython(*python, script, "'" + path + "'", &output), 0) << output;
}

TEST_F(BoardDxf, DecimalCommaLocaleGivesTheSameBytes)
{
    buildEveryShape();
    quill_test::expectSameUnderDecimalComma(BoardDxfText);
}

TEST_F(BoardDxf, EzdxfReadsItWithoutAuditErrors)
{
    buildExample();
    buildEveryShape();
    add(paint_test::textObject(kLayerSilkTop, 0, 0, 0x301, "line\r\nbreak"));
    const std::string path = folder.file("board.dxf");
    CDxfFile file;
    file.ExportDxf(path);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Saved " + std::to_string(g_board.count) + " DXF elements"});
    const std::optional<std::string> python = quill_test::pythonWithEzdxf();
    if (!python)
        GTEST_SKIP() << "python3 with ezdxf is not installed (./dev installs python3-ezdxf)";
    const std::string script = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
assert doc.header['$EXTMAX'][:2] == (2.0, 2.0), doc.header['$EXTMAX']
kinds = set(e.dxftype() for e in doc.modelspace())
assert kinds == {'LINE', 'CIRCLE', 'ARC', 'TEXT'}, kinds
texts = [e.dxf.text for e in doc.modelspace().query('TEXT')]
assert 'line  break' in texts, texts
assert 'QUILL BOARD 1.0' in texts, texts
assert 'U1' in texts and 'R1 10K' in texts, texts
)";
    std::string output;
    EXPECT_EQ(quill_test::runPython(*python, script, "'" + path + "'", &output), 0) << output;
}

TEST_F(BoardDxf, OnAFullDiskTheOlderExportStays)
{
    buildExample();
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("board.dxf", "older export\n");
        disk.fill();
        host.clearEvents();
        CDxfFile file;
        file.ExportDxf(disk.file("board.dxf"));
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{"Cannot write " + disk.file("board.dxf") + ": No space left on device"});
        EXPECT_EQ(disk.readText("board.dxf"), "older export\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"board.dxf"});
    });
}

TEST_F(BoardDxf, AFileThatCannotBeWrittenIsReported)
{
    buildExample();
    CDxfFile file;
    file.ExportDxf(folder.file("missing/board.dxf"));
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    const std::string path = folder.file("missing/board.dxf");
    EXPECT_EQ(host.messageBoxes()[0], "Can't open file: " + path + "\nCannot write " + path + ": No such file or directory");
}

TEST_F(BoardDxf, ImportAppendsLineWorkInInchesAndClosesPolylines)
{
    const int before = g_board.count;
    // Padded group codes, CR LF ends, an open polyline, a text, an arc and unknown entities.
    std::string dxf = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"
                      "  0\r\nPOLYLINE\r\n  0\r\nVERTEX\r\n 10\r\n0\r\n 20\r\n0\r\n"
                      "  0\r\nVERTEX\r\n 10\r\n0.1\r\n 20\r\n0\r\n  0\r\nVERTEX\r\n 10\r\n0.1\r\n 20\r\n0.05\r\n"
                      "  0\r\nSEQEND\r\n  0\r\nTEXT\r\n 10\r\n0.00109\r\n 20\r\n0.002\r\n  1\r\nGND\r\n";
    for (int i = 0; i < 7; ++i)
        dxf += "  0\r\nSPLINES\r\n";
    dxf += "  0\r\nARC\r\n 10\r\n0\r\n 20\r\n0\r\n 40\r\n0.01\r\n 50\r\n0\r\n 51\r\n90\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
    folder.write("in.dxf", dxf);
    CDxfFile file;
    ASSERT_EQ(file.ImportDxf(folder.file("in.dxf")), 5);
    ASSERT_EQ(g_board.count, before + 5);
    const BoardObject* o = &g_board.objects[before + 1];
    EXPECT_EQ(o[0].kind(), kKindLine);
    EXPECT_EQ((std::array{o[0].w[0], o[0].w[1], o[0].w[2], o[0].w[3]}), (std::array{0, 0, 1000, 0}));
    EXPECT_EQ((std::array{o[1].w[2], o[1].w[3]}), (std::array{1000, -500})) << "y turns downwards";
    EXPECT_EQ((std::array{o[2].w[0], o[2].w[1], o[2].w[2], o[2].w[3]}), (std::array{1000, -500, 0, 0}))
        << "the open polyline comes back closed";
    EXPECT_EQ(o[3].kind(), kKindText);
    EXPECT_EQ(o[3].w[0], 10) << "inches to board units, truncated";
    EXPECT_STREQ(o[3].text(), "GND");
    EXPECT_EQ(o[4].kind(), kKindArc);
    EXPECT_EQ(host.count("message box: DXF command \"SPLINES\" not implemented."), 5) << "at most five times";

    host.clearEvents();
    EXPECT_EQ(file.ImportDxf(folder.file("none.dxf")), 0);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't open file: " + folder.file("none.dxf")});
    EXPECT_EQ(g_board.count, before + 5);
}

TEST_F(BoardDxf, ImportedTextsThatAreEmptyAreTheSharedEmptyStringAndHugeFilesAreRefused)
{
    // A TEXT entity whose string is one NUL byte: the text is empty, held as the one shared
    // empty string that is never freed, so closing the board leaks nothing.
    const int before = g_board.count;
    folder.write("nul.dxf", std::string("0\nTEXT\n10\n\n20\n\n1\n\0", 18));
    CDxfFile file;
    ASSERT_EQ(file.ImportDxf(folder.file("nul.dxf")), 1);
    const BoardObject& text = g_board.objects[before + 1];
    EXPECT_EQ(text.kind(), kKindText);
    EXPECT_EQ(text.text(), StrDupChecked(std::string_view()));

    host.clearEvents();
    folder.write("huge.dxf", "");
    std::filesystem::resize_file(folder.path() / "huge.dxf", kMaxDxfFileBytes + 1);
    EXPECT_EQ(file.ImportDxf(folder.file("huge.dxf")), 0);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{folder.file("huge.dxf") + " is too large to read (256 MB at most)."});
    EXPECT_EQ(g_board.count, before + 1);
}

// The board's own DXF comes back where it was written from; a file that names its unit in
// "$INSUNITS" is converted from that unit.
TEST_F(BoardDxf, ImportTakesTheFilesUnits)
{
    const std::array<std::array<int32_t, 4>, 3> traces = {{{12340, -5670, -2500, 8000},
                                                           {0, 0, 1000, 0},
                                                           {-30000, 25000, 31230, -24990}}};
    for (const auto& t : traces)
        add(object(kKindLine, kLayerTop, {t[0], t[1], t[2], t[3], 0, 0, 0, 120}));
    const int before = g_board.count;
    CDxfFile file;
    file.ExportDxf(folder.file("board.dxf"));
    ASSERT_EQ(file.ImportDxf(folder.file("board.dxf")), static_cast<int>(traces.size()));
    for (size_t i = 0; i < traces.size(); ++i) {
        SCOPED_TRACE("trace " + std::to_string(i));
        const BoardObject& back = g_board.objects[before + 1 + static_cast<int>(i)];
        EXPECT_EQ(back.kind(), kKindLine);
        for (size_t k = 0; k < 4; ++k)
            EXPECT_NEAR(back.w[k], traces[i][k], 1) << "word " << k;
    }

    struct Units {
        const char* code;
        int32_t x;   // board units of x = 2.54
    };
    const Units units[] = {{"4", 1000}, {"1", 25400}, {"0", 25400}, {"9", 25}, {"junk", 25400}};
    for (const Units& u : units) {
        SCOPED_TRACE(std::string("$INSUNITS ") + u.code);
        folder.write("units.dxf", std::string("0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n") + u.code +
                                      "\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n2.54\n20\n0\n"
                                      "11\n0\n21\n-2.54\n0\nENDSEC\n0\nEOF\n");
        const int at = g_board.count + 1;
        ASSERT_EQ(file.ImportDxf(folder.file("units.dxf")), 1);
        EXPECT_NEAR(g_board.objects[at].w[0], u.x, 1);
        EXPECT_NEAR(g_board.objects[at].w[3], u.x, 1);
    }
}

}  // namespace
}  // namespace photoplot_test
