// The example drawing printed and previewed through the real schematic view and the
// framework's print job.
#include "paint_test_support.h"

#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/schemora_view.h"
#include "schemora/core/title_block.h"
#include "support/pdf_file.h"
#include "support/temp_folder.h"
#include "tools/make_title_block/shipped_drawings.h"

#include <gtest/gtest.h>

#include <memory>

using namespace paint_test;

namespace {

struct ViewPrinting : ::testing::Test {
    PaintState state;
    plat::TestUiHost host;
    quill_test::TempFolder folder;
    std::unique_ptr<CSchemoraDoc> doc;   // made once the title block is in place
    CSchemoraView view;
    PrintoutSettings savedPrintout = g_printout;

    void SetUp() override
    {
        host.setPrintFolder(folder.path().string());
        const std::vector<uint8_t> exampleBytes = RcFilterFile();
        addExampleSymbols();
        g_settings.border = 1;
        DrawingDocData titleDoc;
        titleDoc.objects.allocate();
        if (g_titleBlock.objects.empty())
            g_titleBlock.objects.allocate();
        plat::Archive title(plat::Archive::Mode::Load, TitleBlockFile(), "Title.PIC");
        g_titleBlock.count = ReadDrawing(titleDoc, 0, nullptr, title, g_titleBlock.objects.slots());
        g_titleBlock.loaded = true;

        doc = std::make_unique<CSchemoraDoc>();
        doc->data().objects.allocate();
        plat::Archive example(plat::Archive::Mode::Load, exampleBytes, "rc_filter.pic");
        doc->data().objectCount = ReadDrawing(doc->data(), 0, nullptr, example, doc->data().objects.slots());
        doc->SetTitle("rc_filter.pic");
        view.SetDocument(doc.get());
        g_printout = PrintoutSettings{kPrintOneSheet, false, true};
    }
    void TearDown() override
    {
        view.SetDocument(nullptr);
        doc.reset();
        g_titleBlock = TitleBlock{};
        g_printout = savedPrintout;
    }
};

TEST_F(ViewPrinting, ExampleDrawingPrintsAndPreviewsOneMarkedPage)
{
    ASSERT_GT(doc->data().objectCount, 10);
    const std::array<int32_t, kColorRoles> rolesBefore = g_colorRoles.index;

    host.answerPrintDialog([](plat::PrintDialogRequest& r) {
        EXPECT_EQ(r.maxPage, 1u);   // an 'A' sheet of one page
        return true;
    });
    view.OnFilePrint();
    const std::string pdf = quill_test::readWholeFile(host.printoutPath());
    ASSERT_TRUE(quill_test::isPdf(pdf));
    EXPECT_EQ(quill_test::pdfPageCount(pdf), 1);
    EXPECT_FALSE(view.isPrinting());
    EXPECT_FALSE(g_sheetView.printing);
    EXPECT_EQ(g_colorRoles.index, rolesBefore);   // the paper colours are put back

    // The preview draws the same page; monochrome printing leaves black marks on white.
    view.OnFilePrintPreview();
    ASSERT_TRUE(host.lastPreview());
    ASSERT_EQ(host.lastPreview()->pages.size(), 1u);
    const plat::PreviewPage& page = host.lastPreview()->pages.front();
    int black = 0, white = 0;
    for (uint32_t p : page.pixels) {
        black += (p & 0xFFFFFFu) == 0;
        white += (p & 0xFFFFFFu) == 0xFFFFFFu;
    }
    EXPECT_GT(black, 2000) << "wires, parts, the border and the title block";
    EXPECT_GT(white, static_cast<int>(page.pixels.size()) / 2);
    EXPECT_EQ(g_colorRoles.index, rolesBefore);
    EXPECT_TRUE(host.messageBoxes().empty());
}

}  // namespace
