// A small board printed and previewed through the real board view and the framework's print
// job.
#include "example_board.h"

#include "support/pdf_file.h"
#include "support/temp_folder.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/tracelyn_view.h"

#include <memory>

namespace paint_test {
namespace {

class ViewPrinting : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        host.setPrintFolder(folder.path().string());
        board = std::make_unique<CTracelynDoc>();
        ASSERT_TRUE(InitNewBoard(board->data()));
        buildExampleBoard(*this, [this](const BoardObject& o) {
            g_board.objects[++g_board.count] = o;
            board->data().objectCount = g_board.count;
            return g_board.count;
        });
        board->SetTitle("example.tlz");
        view.SetDocument(board.get());
    }
    void TearDown() override
    {
        view.SetDocument(nullptr);
        CloseBoardDocument(board->data(), board.get());
        board.reset();
        PaintTest::TearDown();
    }

    quill_test::TempFolder folder;
    std::unique_ptr<CTracelynDoc> board;
    CTracelynView view;
};

TEST_F(ViewPrinting, ExampleBoardPrintsAndPreviewsOneMarkedPage)
{
    ASSERT_GT(board->data().objectCount, 20);
    std::array<int, 32> mapBefore{};
    for (int i = 0; i < 32; ++i)
        mapBefore[static_cast<size_t>(i)] = ColorMapEntry(i);

    host.answerPrintDialog([](plat::PrintDialogRequest& r) {
        EXPECT_EQ(r.maxPage, 1u);
        return true;
    });
    view.OnFilePrint();
    const std::string pdf = quill_test::readWholeFile(host.printoutPath());
    ASSERT_TRUE(quill_test::isPdf(pdf));
    EXPECT_EQ(quill_test::pdfPageCount(pdf), 1);
    EXPECT_FALSE(g_print.printing);

    // Printing in black on white: the preview shows the board's marks in black.
    view.OnFilePrintPreview();
    ASSERT_TRUE(host.lastPreview());
    ASSERT_EQ(host.lastPreview()->pages.size(), 1u);
    const plat::PreviewPage& page = host.lastPreview()->pages.front();
    int black = 0;
    for (uint32_t p : page.pixels)
        black += (p & 0xFFFFFFu) == 0;
    EXPECT_GT(black, 2000) << "traces, pads, packages and text";
    EXPECT_FALSE(g_print.printing);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(ColorMapEntry(i), mapBefore[static_cast<size_t>(i)]) << "colour " << i;
    EXPECT_TRUE(host.messageBoxes().empty());
}

}  // namespace
}  // namespace paint_test
