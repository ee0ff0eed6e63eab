// The desktop host's printing parts that run without a person: printer settings crossing to
// and from a QPrinter, and the preview window's pages, navigation and answer.
#include "platform/qt_host/print_preview_window.h"
#include "platform/qt_host/print_target_qt.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(QtPrinting, PdfTargetsSurviveTheTripThroughAPrinter)
{
    plat::PrintTarget target;
    target.pdfPath = "/tmp/out.pdf";
    target.landscape = true;
    target.paperWidthMm = 210;
    target.paperHeightMm = 297;
    QPrinter printer(QPrinter::HighResolution);
    plat::configurePrinter(printer, target);
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.resolution(), plat::kPdfResolution);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);

    const plat::PrintTarget back = plat::targetOf(printer);
    EXPECT_EQ(back.pdfPath, target.pdfPath);
    EXPECT_TRUE(back.landscape);
    EXPECT_NEAR(back.paperWidthMm, 210, 0.5);
    EXPECT_NEAR(back.paperHeightMm, 297, 0.5);

    // Without a paper a PDF file is Letter.
    QPrinter letter(QPrinter::HighResolution);
    plat::configurePrinter(letter, plat::PrintTarget{"", "/tmp/x.pdf"});
    EXPECT_EQ(letter.pageLayout().pageSize().id(), QPageSize::Letter);
}

plat::PreviewPage page(unsigned number, uint32_t colour)
{
    plat::PreviewPage p;
    p.number = number;
    p.paperWidth = 40;
    p.paperHeight = 50;
    p.left = 5;
    p.top = 6;
    p.width = 20;
    p.height = 30;
    p.pixels.assign(20 * 30, colour);
    return p;
}

TEST(QtPrinting, PreviewWindowPlacesPagesAndNavigates)
{
    plat::PrintPreviewRequest preview;
    preview.resolution = 10;
    preview.pages = {page(1, 0xFF000000u), page(2, 0xFFFF0000u)};

    const QImage paper = plat::PrintPreviewWindow::paperImage(preview.pages[1]);
    EXPECT_EQ(paper.size(), QSize(40, 50));
    EXPECT_EQ(paper.pixel(4, 6), 0xFFFFFFFFu);    // margin
    EXPECT_EQ(paper.pixel(5, 6), 0xFFFF0000u);    // the printable area's corner
    EXPECT_EQ(paper.pixel(24, 35), 0xFFFF0000u);
    EXPECT_EQ(paper.pixel(25, 36), 0xFFFFFFFFu);

    // Short pixel data never reads past the buffer: the page shows blank paper.
    plat::PreviewPage broken = page(3, 0xFF000000u);
    broken.pixels.resize(10);
    EXPECT_EQ(plat::PrintPreviewWindow::paperImage(broken).pixel(10, 10), 0xFFFFFFFFu);

    plat::PrintPreviewWindow window(preview);
    EXPECT_EQ(window.pageIndex(), 0);
    EXPECT_FALSE(window.previousButton()->isEnabled());
    window.nextButton()->click();
    EXPECT_EQ(window.pageIndex(), 1);
    EXPECT_FALSE(window.nextButton()->isEnabled());
    window.showPage(7);
    EXPECT_EQ(window.pageIndex(), 1);
    EXPECT_EQ(window.action(), plat::PreviewAction::Close);
    window.printButton()->click();
    EXPECT_EQ(window.action(), plat::PreviewAction::Print);
}

}  // namespace
