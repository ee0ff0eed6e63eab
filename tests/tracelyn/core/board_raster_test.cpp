#include "example_board.h"

#include "platform/gdi/printer_dc.h"
#include "platform/gdi/raster_dc.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>

namespace paint_test {
namespace {

class RasterTest : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        buildExampleBoard(*this, [this](const BoardObject& o) { return add(o); });
        g_boardSettings.layerSwitches[1] = 1;
        g_boardSettings.layerDisplay[0] = 1;
        g_edit.currentLayer = kLayerTop;
    }
};

TEST_F(RasterTest, ExampleBoardPaintsIntoAnImage)
{
    plat::RasterDc raster(800, 800);
    PrepareScreenMapping(raster, plat::Rect{0, 0, 800, 800});
    PaintBoardView(raster, doc);
    const plat::Bitmap image = raster.bitmap();

    const plat::ColorRef background = plat::rgb(255, 255, 255);   // role 1: colour 26, entry 7
    EXPECT_EQ(image.pixel(61, 701), background);
    EXPECT_EQ(image.pixel(5, 5), plat::GetSysColor(plat::kColorBtnFace));   // the ruler face
    int painted = 0, top = 0, inner = 0;
    for (int y = 0; y < 800; ++y) {
        for (int x = 0; x < 800; ++x) {
            const plat::ColorRef c = image.pixel(x, y);
            painted += c != background;
            top += c == plat::rgb(255, 255, 0);   // colour 0: entry 6
            inner += c == plat::rgb(0, 0, 255);   // colour 1: entry 1
        }
    }
    EXPECT_GT(painted, 20000);
    EXPECT_GT(top, 2000);
    EXPECT_GT(inner, 500);

    const std::vector<uint8_t> png = image.encodePng();
    ASSERT_FALSE(png.empty());
    std::ofstream("/tmp/board.png", std::ios::binary).write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

TEST_F(RasterTest, PrintingGivesAPage)
{
    quill_test::TempFolder folder;
    const std::string path = folder.file("board.pdf");
    {
        plat::PrinterDc printer(plat::PdfTarget{path, 300});
        ASSERT_GT(printer.StartDoc("board"), 0);
        ASSERT_GT(printer.StartPage(), 0);
        BeginBoardPrinting();
        PreparePrintMapping(printer, 1);
        PaintBoardView(printer, doc);
        EndBoardPrinting();
        printer.EndPage();
        printer.EndDoc();
    }
    EXPECT_FALSE(g_print.printing);
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_GT(std::filesystem::file_size(path), 2000u);
    std::ifstream in(path, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
}

}  // namespace
}  // namespace paint_test
