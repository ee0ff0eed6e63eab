// DXF import into the current drawing: our own export read back, a file written by ezdxf, a
// full store, and the tidying of imported pin tables.
#include "app_test_support.h"
#include "paint_test_support.h"

#include "platform/app/command_ids.h"
#include "platform/app/frame_wnd.h"
#include "schemora/core/dxf_export.h"
#include "schemora/core/dxf_import.h"
#include "schemora/core/file_kinds.h"
#include "schemora/core/object_append.h"
#include "schemora/core/schemora_doc.h"
#include "support/python_ezdxf.h"
#include "support/special_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

using namespace paint_test;

namespace {

struct DxfImport : ::testing::Test {
    PaintState state;
    plat::TestUiHost host;
    quill_test::TempFolder folder;

    std::vector<int> kinds() const
    {
        std::vector<int> list;
        for (int i = 1; i <= g_current.count; ++i)
            list.push_back(g_current.objects[static_cast<size_t>(i)].type());
        return list;
    }
};

}  // namespace

TEST_F(DxfImport, OwnExportComesBackHalvedAndCentred)
{
    state.add(words(kObjLine, -1000, 0, 1000, 0));
    state.add(words(kObjEllipse, 0, 500, 200, 200));
    state.add(words(kObjText, 0, -500, 0, 0), "12");
    folder.write("a.dxf", DxfDrawingText());
    g_current.count = 0;

    const int appended = ImportDxf(folder.file("a.dxf"));
    // The three objects and the sheet's two frames of four lines each.
    EXPECT_EQ(appended, 3 + 8);
    ASSERT_EQ(g_current.count, 11);
    EXPECT_EQ(kinds()[0], kObjLine);
    EXPECT_EQ(kinds()[1], kObjEllipse);
    EXPECT_EQ(kinds()[2], kObjText);
    const DrawObject& line = g_current.objects[1];
    // 2000 units are 4 inches; the header's extents give the scale 8500/11 + 8500/17, then halved.
    const double scale = 8500.0 / 11 + 8500.0 / 17;
    EXPECT_NEAR(line.w[2] - line.w[0], 4 * scale / 2, 2);
    EXPECT_EQ(line.w[1], line.w[3]);
    const DrawObject& text = g_current.objects[3];
    EXPECT_STREQ(text.text, "12");
    EXPECT_EQ(text.w[3], 1) << "numeric texts are marked as pin numbers";
    // The frames are symmetric about the sheet centre, so the re-centred drawing is too.
    int minX = INT_MAX, maxX = INT_MIN;
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (o.type() == kObjLine) {
            minX = std::min({minX, o.w[0], o.w[2]});
            maxX = std::max({maxX, o.w[0], o.w[2]});
        }
    }
    EXPECT_LE(std::abs(minX + maxX), 1);
}

TEST_F(DxfImport, FileWrittenByEzdxfImportsInPlace)
{
    const std::optional<std::string> python = quill_test::pythonWithEzdxf();
    if (!python)
        GTEST_SKIP() << "python3 with ezdxf is not installed (./dev installs python3-ezdxf)";
    const std::string path = folder.file("ezdxf.dxf");
    const std::string script = R"(import sys, ezdxf
doc = ezdxf.new('R12')
msp = doc.modelspace()
msp.add_line((1, 2), (3, 2))
msp.add_circle((2, 2), 0.5)
msp.add_text('U1', dxfattribs={'insert': (1, 3)})
msp.add_polyline2d([(0, 0), (1, 0), (1, 1)])
doc.saveas(sys.argv[1])
data = open(sys.argv[1], 'rb').read().replace(b'\r\n', b'\n').replace(b'\n', b'\r\n')
open(sys.argv[1], 'wb').write(data)
)";
    std::string output;
    ASSERT_EQ(quill_test::runPython(*python, script, "'" + path + "'", &output), 0) << output;
    ASSERT_EQ(ImportDxf(path), 1 + 1 + 1 + 3);
    EXPECT_TRUE(host.messageBoxes().empty()) << host.messageBoxes().front();
    EXPECT_EQ(kinds(), (std::vector<int>{kObjLine, kObjEllipse, kObjText, kObjLine, kObjLine, kObjLine}));
    // Unset extents: scale 1000, then halved.
    const DrawObject& line = g_current.objects[1];
    EXPECT_EQ(line.w[2] - line.w[0], 1000);
    EXPECT_EQ(line.w[1], line.w[3]);
    const DrawObject& circle = g_current.objects[2];
    EXPECT_EQ(circle.w[2], 250);
    EXPECT_EQ(circle.w[0] - line.w[0], 500);
    EXPECT_EQ(line.w[1] - circle.w[1], 0);
    const DrawObject& text = g_current.objects[3];
    EXPECT_STREQ(text.text, "U1");
    EXPECT_EQ(text.w[1] - line.w[1], -500) << "y turned downwards";
}

TEST_F(DxfImport, FullStoreStopsOnceAndMissingFilesAreReported)
{
    folder.write("lines.dxf", "0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nLINE\n10\n0\n20\n0\n11\n2\n21\n0\n"
                              "0\nLINE\n10\n0\n20\n0\n11\n3\n21\n0\n0\nEOF\n");
    g_current.count = kMaxObjectCount - 1;
    EXPECT_EQ(ImportDxf(folder.file("lines.dxf")), 1);
    EXPECT_EQ(g_current.count, kMaxObjectCount);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Schematic FULL--objects not loaded"});

    host.clearEvents();
    g_current.count = 0;
    EXPECT_EQ(ImportDxf(folder.file("missing.dxf")), 0);
    EXPECT_EQ(g_current.count, 0);
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0], "Can't open file " + folder.file("missing.dxf"));

    for (const quill_test::NonFile& f : quill_test::placeNonFiles(folder.path() / "pipe.dxf", folder.path() / "dir.dxf")) {
        SCOPED_TRACE(f.kind);
        host.clearEvents();
        quill_test::withoutWaiting({f}, [&] { EXPECT_EQ(ImportDxf(f.path.string()), 0); });
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{quill_test::notAFileMessage(f)});
        EXPECT_EQ(g_current.count, 0);
    }
}

TEST_F(DxfImport, PinNamesAlignOnlyInsideACompleteTable)
{
    auto build = [&](bool secondVertical) {
        TruncateObjects(0);
        state.add(words(kObjLine, 0, 0, 1000, 0));
        state.add(words(kObjLine, 0, 1000, 1000, 1000));
        state.add(words(kObjLine, 0, 0, 0, 1000));
        if (secondVertical)
            state.add(words(kObjLine, 1000, 0, 1000, 1000));
        state.add(words(kObjText, 500, 500), "CLK");
        state.add(words(kObjText, 50, 500), "EN");
        state.add(words(kObjText, 500, 500), "7");
    };
    build(true);
    AlignImportedPinNames(ClassifyImportedObjects());
    const DrawObject& clk = g_current.objects[5];
    EXPECT_EQ(clk.w[0], 1000 - (50 + 38 + 50)) << "right-aligned by the estimate of C, L and K";
    EXPECT_EQ(clk.w[3], 2);
    EXPECT_EQ(g_current.objects[6].w[0], 25) << "too near the left line: only moved left";
    EXPECT_EQ(g_current.objects[7].w[1], 515) << "pin numbers move up";
    EXPECT_EQ(g_current.objects[7].w[3], 1);

    build(false);
    AlignImportedPinNames(ClassifyImportedObjects());
    EXPECT_EQ(g_current.objects[4].w[0], 475) << "one vertical line is no table";
}

namespace {

class DxfOpen : public schemora_test::SchemoraAppTest {};

}  // namespace

TEST_F(DxfOpen, FileOpenImportsIntoANewDrawing)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    const int before = harness.app().openDocumentCount();
    folder.write("part.DXF", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDSEC\n0\nEOF\n");
    host.answerFileDialog({folder.file("part.DXF"), 8});
    EXPECT_TRUE(harness.command(plat::kIdFileOpen));
    harness.idle();
    EXPECT_EQ(harness.app().openDocumentCount(), before + 1);
    auto* doc = static_cast<CSchemoraDoc*>(plat::GetMainWnd()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->data().objectCount, 1);
    EXPECT_EQ(doc->data().objects[1].type(), kObjLine);
    EXPECT_TRUE(doc->IsModified());

    host.clearEvents();
    host.answerFileDialog({folder.file("gone.dxf"), 8});
    EXPECT_TRUE(harness.command(plat::kIdFileOpen));
    harness.idle();
    EXPECT_EQ(harness.app().openDocumentCount(), before + 1) << "no empty drawing for a missing file";
}
