// The schematic DXF export: entities of the current sheet, parts and the title block, checked
// byte by byte and, where python3 with ezdxf is installed, by ezdxf as an independent reader.
#include "paint_test_support.h"

#include "platform/core/test_ui_host.h"
#include "schemora/core/dxf_export.h"
#include "schemora/core/part_painter.h"
#include "support/decimal_comma_locale.h"
#include "support/full_disk.h"
#include "support/python_ezdxf.h"
#include "support/temp_folder.h"
#include "support/whole_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace paint_test;

namespace {

using quill_test::readText;

std::size_t occurrences(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}


struct DxfExport : ::testing::Test {
    PaintState state;
    plat::TestUiHost host;
    quill_test::TempFolder folder;
};

}  // namespace

TEST_F(DxfExport, EmptyDrawingHasBothSectionsTheBorderAndEof)
{
    const std::string text = DxfDrawingText();
    EXPECT_EQ(text.rfind("0\nSECTION\n2\nHEADER\n9\n$EXTMIN\n10\n-8.500\n20\n-5.500\n9\n$EXTMAX\n10\n8.500\n20\n5.500\n"
                         "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n",
                         0),
              0u);
    EXPECT_EQ(occurrences(text, "0\nLINE\n"), 8u) << "two border frames";
    EXPECT_EQ(text.substr(text.size() - 15), "0\nENDSEC\n0\nEOF\n");
}

TEST_F(DxfExport, ObjectsOfTheCurrentSheetAndLayers)
{
    state.add(words(kObjLine, 100, 200, 300, 200));
    Words text = words(kObjText, 100, 200, 0x0900, 900);
    state.add(text, "R1");
    state.add(words(kObjEllipse, 0, 0, 100, 50));
    state.add(words(kObjRoundRect, 0, 0, 100, 50));
    state.add(words(kObjPolygon, 0, 0, 0, 0));
    state.add(words(kObjLine, 7, 7, 8, 8, 6, 2));               // another sheet
    Words layer2 = words(kObjLine, 9, 9, 10, 10);
    layer2[4] |= 2 << 10;
    state.add(layer2);
    Words allLayers = words(kObjLine, 11, 11, 12, 12);
    allLayers[4] |= 4 << 10;
    state.add(allLayers);
    state.add(words(kObjPart, 0, 0), "R:DEVICE\\R");           // never resolved
    g_sheetView.layerFilter = 0;

    const std::string out = DxfDrawingText();
    EXPECT_NE(out.find("0\nLINE\n8\n0\n10\n0.200\n20\n-0.400\n11\n0.600\n21\n-0.400\n"), std::string::npos);
    EXPECT_NE(out.find("0\nTEXT\n8\n0\n10\n0.200\n20\n-0.402\n1\nR1\n40\n0.08\n50\n90\n"), std::string::npos);
    EXPECT_NE(out.find("0\nCIRCLE\n8\n0\n10\n0.000\n20\n0.000\n40\n0.200\n"), std::string::npos);
    EXPECT_EQ(out.find("10\n0.014\n"), std::string::npos) << "other sheet left out";
    EXPECT_EQ(out.find("10\n0.018\n"), std::string::npos) << "filtered layer left out";
    EXPECT_NE(out.find("10\n0.022\n"), std::string::npos) << "layer 4 always written";
    // The line, the all-layer line and the two frames; nothing for the rounded rectangle, the
    // polygon or the unresolved part.
    EXPECT_EQ(occurrences(out, "0\nLINE\n"), 2u + 8u);
}

TEST_F(DxfExport, PartsAreExpandedWithTheirLabels)
{
    const int resistor = addResistor();
    Words part = words(kObjPart + resistor, 2000, 1000);
    part[2] = -900;
    part[3] = -550;
    part[6] = 12;
    state.add(part, "R:10k");
    const std::string out = DxfDrawingText();
    // Two pin lines and the body's four sides, plus the frames.
    EXPECT_EQ(occurrences(out, "0\nLINE\n"), 2u + 4u + 8u);
    EXPECT_NE(out.find("1\nR12 10k\n"), std::string::npos);
}

TEST_F(DxfExport, WritesTheFileAndReports)
{
    state.add(words(kObjLine, 0, 0, 100, 0));
    const std::string base = folder.file("amp");
    ASSERT_TRUE(ExportDxf(base));
    const std::string written = readText(base + ".DXF");
    EXPECT_EQ(written, DxfDrawingText());
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Saved 1 DXF elements"});

    host.clearEvents();
    EXPECT_FALSE(ExportDxf(folder.file("no/such/folder/x.dxf")));
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0].rfind("Can't open file ", 0), 0u);
}

TEST_F(DxfExport, OnAFullDiskTheOlderExportStays)
{
    state.add(words(kObjLine, 0, 0, 100, 0));
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("amp.DXF", "older export\n");
        disk.fill();
        host.clearEvents();
        EXPECT_FALSE(ExportDxf(disk.file("amp")));
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{"Cannot write " + disk.file("amp.DXF") + ": No space left on device"});
        EXPECT_EQ(disk.readText("amp.DXF"), "older export\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"amp.DXF"});
    });
}

TEST_F(DxfExport, DecimalCommaLocaleGivesTheSameBytes)
{
    state.add(words(kObjLine, 1234, -5678, 1, 1));
    state.add(words(kObjArc, 0, 0, 100, 0));
    quill_test::expectSameUnderDecimalComma(DxfDrawingText);
}

TEST_F(DxfExport, EzdxfReadsItWithoutAuditErrors)
{
    const std::optional<std::string> python = quill_test::pythonWithEzdxf();
    if (!python)
        GTEST_SKIP() << "python3 with ezdxf is not installed (./dev installs python3-ezdxf)";
    const int resistor = addResistor();
    state.add(words(kObjLine, -4000, -2000, 4000, 2000));
    state.add(words(kObjText, 100, 200, 0, 900), "line\r\nbreak");
    state.add(words(kObjArc, 0, 0, 100, 100));
    state.add(words(kObjArrow, 0, 0, 500, 0));
    state.add(words(kObjRectangle, 0, 0, 300, 200));
    state.add(words(kObjDot, 50, 50));
    state.add(words(kObjPart + resistor, 1000, 1000), "R:1k");
    const std::string path = folder.file("check.dxf");
    ASSERT_TRUE(ExportDxf(path));
    const std::string script = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
assert doc.header['$EXTMIN'][:2] == (-8.5, -5.5), doc.header['$EXTMIN']
assert doc.header['$EXTMAX'][:2] == (8.5, 5.5), doc.header['$EXTMAX']
kinds = set()
for e in doc.modelspace():
    kinds.add(e.dxftype())
    assert e.dxf.layer == '0', e.dxf.layer
assert kinds <= {'LINE', 'CIRCLE', 'ARC', 'TEXT'}, kinds
assert {'LINE', 'ARC', 'TEXT'} <= kinds, kinds
texts = [e.dxf.text for e in doc.modelspace().query('TEXT')]
assert 'line  break' in texts, texts
)";
    std::string output;
    EXPECT_EQ(quill_test::runPython(*python, script, "'" + path + "'", &output), 0) << output;
}
