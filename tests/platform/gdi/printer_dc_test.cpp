// The printer context writes real pages (PDF here) with printer resolution.
#include "platform/gdi/printer_dc.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace plat {
namespace {

TEST(PrinterDc, PrintsAPdfPageWithPrinterResolution)
{
    quill_test::TempFolder folder;
    const std::string path = folder.file("page.pdf");
    PrinterDc dc(PdfTarget{path, 300, false, false});
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(dc.GetDeviceCaps(kLogPixelsX), 300);
    EXPECT_GT(dc.GetDeviceCaps(kHorzRes), 2000);      // a Letter page less margins at 300 dpi
    EXPECT_GT(dc.GetDeviceCaps(kVertRes), dc.GetDeviceCaps(kHorzRes));
    EXPECT_GT(dc.StartDoc("Scope"), 0);
    EXPECT_GT(dc.StartPage(), 0);
    dc.SetMapMode(kMmAnisotropic);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(dc.GetDeviceCaps(kLogPixelsX), dc.GetDeviceCaps(kLogPixelsY));
    dc.SelectObject(Pen(kPsSolid, 10, rgb(200, 0, 0)));
    dc.SelectObject(Brush::hatched(kHsCross, rgb(0, 0, 200)));
    dc.Rectangle(100, 100, 2000, 1500);
    dc.Ellipse(500, 500, 1500, 1200);
    Font f;
    f.face = "Times New Roman";
    f.height = -200;
    dc.SelectObject(f);
    dc.TextOut(200, 1600, "Fourier");
    EXPECT_GT(dc.EndPage(), 0);
    EXPECT_GT(dc.EndDoc(), 0);

    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.find("/Type /Page"), std::string::npos);
}

TEST(PrinterDc, AFileThatCannotBeWrittenFailsToStart)
{
    PrinterDc dc(PdfTarget{"/nonexistent-folder/x/page.pdf", 300, false, false});
    EXPECT_LE(dc.StartDoc("Logic"), 0);
    EXPECT_LE(dc.StartPage(), 0);
}

}  // namespace
}  // namespace plat
