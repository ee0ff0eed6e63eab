// The board as DXF: record formats of the board's own writers, the whole file read by ezdxf
// without audit errors, numbers independent of the locale, and Save As reaching it.
#include "tracelyn/route/photoplot_fixture.h"

#include "common/dxf_entities.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "support/decimal_comma_locale.h"
#include "support/python_ezdxf.h"
#include "tracelyn/route/board_dxf.h"

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
        {"round: the ring's mean radius", 0, 600, 600, 200, 0, "0\nCIRCLE\n8\n0\n10\n0.000\n20\n0.000\n40\n0.020\n"},
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

TEST_F(BoardDxf, DecimalCommaLocaleGivesTheSameBytes)
{
    buildEveryShape();
    const std::string before = BoardDxfText();
    quill_test::DecimalCommaLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no decimal-comma locale could be made on this machine";
    EXPECT_EQ(BoardDxfText(), before);
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

TEST_F(BoardDxf, AFileThatCannotBeWrittenIsReported)
{
    buildExample();
    CDxfFile file;
    file.ExportDxf(folder.file("missing/board.dxf"));
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0], "Can't open file: " + folder.file("missing/board.dxf"));
}

}  // namespace
}  // namespace photoplot_test
