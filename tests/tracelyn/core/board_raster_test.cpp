#include "example_board.h"

#include "bench/tracelyn_bench_board.h"

#include "platform/gdi/printer_dc.h"
#include "platform/gdi/raster_dc.h"
#include "support/raster_hash.h"
#include "support/repaint_check.h"
#include "support/temp_folder.h"

#include <algorithm>
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

// The fingerprints of each board's repaint at each zoom, recorded on the machine of
// quill_test::kRecordedFontProbe.
constexpr quill_test::RecordedRaster kRecorded[] = {
    {"example", 0, 0x04997033500abd3aull, 0xef7e005c939fde6aull},
    {"example", 3, 0x1a274bc3d84bdf4cull, 0x0aef176243b6c458ull},
    {"example", 6, 0x5d315e005d228666ull, 0x8d8e5b5af6af801aull},
    {"busy", 0, 0x2bd6edcfb3e8b113ull, 0xc10e4646be6b837bull},
    {"busy", 1, 0x69d20bd43e25a8a8ull, 0x4b554300d3f72009ull},
    {"busy", 2, 0xe4c3d18a5823dbc6ull, 0x4de0763b575aacc6ull},
};

// Draws every stride-th object inverted, as the editing code draws ghosts and handles.
void overlayObjects(plat::RasterDc& dc, int count)
{
    const int stride = std::max(1, count / 150);
    for (int i = 2; i <= count; i += stride)
        PaintObject(dc, i, kModeInvert);
}

// Holds the board's repaint to its recorded pixels at one zoom.
void checkRaster(BoardDocumentData& doc, const char* fixture, int zoom, bool fonts)
{
    g_board.zoomIndex = zoom;
    doc.zoomIndex = zoom;
    g_view.zoomDivisor = ZoomDivisorOf(zoom);
    const quill_test::RepaintDriver board{
        [&doc](plat::RasterDc& dc) {
            PrepareScreenMapping(dc, quill_test::kRasterClient);
            PaintBoardView(dc, doc);
        },
        [&doc](plat::RasterDc& dc) { overlayObjects(dc, doc.objectCount); },
        [](plat::RasterDc& dc, const plat::Rect& strip) {
            PrepareScreenMapping(dc, quill_test::kRasterClient);
            plat::Point corners[2] = {{strip.left, strip.top}, {strip.right, strip.bottom}};
            dc.DPtoLP(corners);
            RedrawRect(dc, corners[0].x, corners[0].y, corners[1].x, corners[1].y);
        }};
    quill_test::expectRepaintHolds(kRecorded, fixture, zoom, fonts,
                                   {plat::Rect{80, 100, 720, 120}, plat::Rect{300, 250, 360, 310}}, board);
}

TEST_F(RasterTest, RepaintsKeepTheirPixelsAtEveryZoom)
{
    const bool fonts = quill_test::fontsAsRecorded(quill_test::kRecordedFontProbe);
    for (const int zoom : {0, 3, 6})
        checkRaster(doc, "example", zoom, fonts);

    CloseBoardDocument(doc, nullptr);
    ClearPackageTables();
    tracelyn_bench::fillBoard(doc, 380000);
    for (const int zoom : {0, 1, 2})
        checkRaster(doc, "busy", zoom, fonts);
    if (!fonts)
        GTEST_SKIP() << "this machine draws text unlike the machine that recorded the fingerprints; "
                        "only the overlay and strip checks ran";
}

// The printed look (black and white, negative and mirrored, plotter pads, colour) and the finest
// zooms, where traces are cut to the window and boxes drawn as four traces, as recorded.
TEST_F(RasterTest, PrintedAndFineZoomPaintsKeepTheirPixels)
{
    const bool fonts = quill_test::fontsAsRecorded(quill_test::kRecordedFontProbe);
    const BoardSettings settings = g_boardSettings;
    const struct {
        const char* look;
        bool printing;
        int zoom;
        plat::Point origin;   // logical units
        void (*apply)();
        uint64_t recorded;
    } cases[] = {
        {"printed", true, 3, {0, 0}, [] {}, 0x848d04d54f1ad5afull},
        {"printed negative, mirrored, plotter pads", true, 3, {0, 0},
         [] { g_boardSettings.PrInvert = 1; g_boardSettings.PrMirror = 1; g_boardSettings.plotter = 1; }, 0xdc77e6aee348a59full},
        {"printed in colour", true, 3, {0, 0}, [] { g_boardSettings.PrColor = 1; }, 0x8c919a437fa5d6fdull},
        // The corner of the copper rectangle, and the bend of two traces.
        {"zoom 7, metric", false, 7, {2000, -3000}, [] { g_boardSettings.units = kUnitsMetric; }, 0x046fea7880462802ull},
        {"zoom 9", false, 9, {-11000, -2000}, [] {}, 0x44962c0c53cd8a51ull},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.look);
        g_boardSettings = settings;
        c.apply();
        g_board.zoomIndex = doc.zoomIndex = c.zoom;
        g_view.zoomDivisor = ZoomDivisorOf(c.zoom);
        g_board.viewOriginX = doc.viewOriginX = c.origin.x;
        g_board.viewOriginY = doc.viewOriginY = c.origin.y;
        plat::RasterDc dc(quill_test::kRasterWidth, quill_test::kRasterHeight);
        PrepareScreenMapping(dc, quill_test::kRasterClient);
        if (c.printing)
            BeginBoardPrinting();
        PaintBoardView(dc, doc);
        if (c.printing)
            EndBoardPrinting();
        const uint64_t now = quill_test::rasterHash(dc.bitmap());
        if (quill_test::printingRasterHashes()) {
            std::printf("%s 0x%016llxull\n", c.look, static_cast<unsigned long long>(now));
        } else if (fonts) {
            EXPECT_EQ(now, c.recorded);
        }
    }
    g_boardSettings = settings;
    if (!fonts)
        GTEST_SKIP() << "this machine draws text unlike the machine that recorded the fingerprints";
}

}  // namespace
}  // namespace paint_test
