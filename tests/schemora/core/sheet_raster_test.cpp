// The example drawing painted into real images and onto a PDF page.
#include "paint_test_support.h"

#include "bench/schemora_bench_sheet.h"

#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "platform/gdi/printer_dc.h"
#include "platform/gdi/raster_dc.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "support/raster_hash.h"
#include "support/repaint_check.h"
#include "support/temp_folder.h"
#include "tools/make_title_block/shipped_drawings.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace paint_test;

namespace {

// The example and the title block read through the drawing reader, with hand-made R and C
// symbols standing in for the part library.
struct ExampleSheet {
    PaintState state;
    DrawingDocData doc;
    DrawingDocData titleDoc;
    plat::TestUiHost host;

    ExampleSheet()
    {
        // Building the example clears the symbol table, so the symbols come after it.
        const std::vector<uint8_t> exampleBytes = RcFilterFile();
        addExampleSymbols();
        g_settings.border = 1;
        g_settings.rulers = 1;
        plat::Archive title(plat::Archive::Mode::Load, TitleBlockFile(), "Title.PIC");
        titleDoc.objects.allocate();
        g_titleBlock.objects.allocate();
        g_titleBlock.count = ReadDrawing(titleDoc, 0, nullptr, title, g_titleBlock.objects.slots());
        doc.objects.allocate();
        plat::Archive example(plat::Archive::Mode::Load, exampleBytes, "rc_filter.pic");
        doc.objectCount = ReadDrawing(doc, 0, nullptr, example, doc.objects.slots());
        doc.zoomLevel = 3;
        LoadDrawingContext(doc, "rc_filter.pic");
        g_sheetDocument.headerFlag = 1;
    }
    ~ExampleSheet() { g_titleBlock.objects.release(); }

    plat::Bitmap paint(int width, int height)
    {
        plat::RasterDc dc(width, height);
        const plat::Rect client{0, 0, width, height};
        PrepareScreenMapping(dc, client);
        PaintSheetView(dc, client);
        return dc.bitmap();
    }
};

}  // namespace

TEST(SheetRaster, ExamplePaintsOnTheScreenBackground)
{
    ExampleSheet sheet;
    ASSERT_GT(g_current.count, 10);
    const plat::Bitmap image = sheet.paint(1200, 900);
    const plat::ColorRef background = PaletteRgb(RolePaletteIndex(kRoleScreen));
    EXPECT_EQ(image.pixel(1199, 899), background);
    EXPECT_EQ(image.pixel(1199, 20), background);
    EXPECT_EQ(image.pixel(20, 899), background);
    int objectPixels = 0;
    for (int y = 20; y < 900; ++y)
        for (int x = 20; x < 1200; ++x)
            objectPixels += image.pixel(x, y) == PaletteRgb(RolePaletteIndex(kRoleTop));
    EXPECT_GT(objectPixels, 1000) << "wires, the border and the title block";

    // Set QUILL_PAINT_PNG to a path to look at the result.
    if (const char* png = std::getenv("QUILL_PAINT_PNG")) {
        const std::vector<uint8_t> bytes = image.encodePng();
        std::ofstream(png, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                   static_cast<std::streamsize>(bytes.size()));
    }
}

TEST(SheetRaster, ExamplePrintsToAPdfPage)
{
    ExampleSheet sheet;
    quill_test::TempFolder folder;
    const std::string path = folder.file("sheet.pdf");
    {
        plat::PrinterDc dc(plat::PdfTarget{path, 300, true, false});
        ASSERT_GT(dc.StartDoc("rc_filter"), 0);
        ASSERT_GT(dc.StartPage(), 0);
        const PrintoutSettings settings{kPrintOneSheet, true, true};
        BeginSheetPrinting(settings);
        ASSERT_EQ(PrintPageCount('A', 1, settings), 1);
        PreparePrintMapping(dc, 1, g_current.sheetSize, 1, settings);
        PaintSheetView(dc, {0, 0, 800, 600});
        EndSheetPrinting(1);
        dc.EndPage();
        dc.EndDoc();
    }
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
}

namespace {

// The fingerprints of each fixture's repaint at each zoom, recorded on the machine of
// quill_test::kRecordedFontProbe.
constexpr quill_test::RecordedRaster kRecorded[] = {
    {"example", 0, 0x684b2aee74a7daceull, 0xa8c7ee163b4a2e32ull},
    {"example", 3, 0xf3e4249796c99330ull, 0xf7e6c7caeafe34fcull},
    {"example", 6, 0xc8a7c81424f005fcull, 0x650101f3381b3014ull},
    {"busy", 0, 0x8dc3de2a86d4d2bbull, 0x5e087b53df32a06aull},
    {"busy", 3, 0xca6ba8258a14db5aull, 0x6e0c158d0d798c5aull},
    {"busy", 6, 0x194553bae0992aa1ull, 0x0ecaf37b674f9319ull},
};

void setZoom(int index, int centreX, int centreY)
{
    g_current.zoomIndex = index;
    g_current.zoomFactor = ZoomDivisorOf(index);
    g_current.viewCentreX = centreX;
    g_current.viewCentreY = centreY;
}

// Draws every stride-th object inverted, as the editing code draws ghosts and handles.
void overlayObjects(plat::RasterDc& dc)
{
    const int stride = std::max(1, g_current.count / 150);
    for (int i = 1; i <= g_current.count; i += stride)
        DrawObjectInMode(dc, i, kModeInvert);
}

// Holds the current drawing's repaint to its recorded pixels at one zoom.
void checkRaster(const char* fixture, int zoom, int centreX, int centreY, bool fonts)
{
    setZoom(zoom, centreX, centreY);
    const quill_test::RepaintDriver sheet{
        [](plat::RasterDc& dc) {
            PrepareScreenMapping(dc, quill_test::kRasterClient);
            PaintSheetView(dc, quill_test::kRasterClient);
        },
        overlayObjects,
        [](plat::RasterDc& dc, const plat::Rect& strip) {
            const int unit = g_current.zoomFactor;
            PrepareScreenMapping(dc, quill_test::kRasterClient);
            RedrawSheetRect(dc, strip.left * unit, strip.top * unit, strip.right * unit, strip.bottom * unit, 1);
        }};
    quill_test::expectRepaintHolds(kRecorded, fixture, zoom, fonts,
                                   {plat::Rect{40, 100, 760, 120}, plat::Rect{300, 250, 360, 310}}, sheet);
}

}  // namespace

TEST(SheetRaster, RepaintsKeepTheirPixelsAtEveryZoom)
{
    const bool fonts = quill_test::fontsAsRecorded(quill_test::kRecordedFontProbe);
    {
        ExampleSheet sheet;
        for (const int zoom : {0, 3, 6})
            checkRaster("example", zoom, 0, 0, fonts);
    }
    {
        PaintState state;
        g_settings.border = 1;
        g_settings.rulers = 1;
        schemora_bench::BusySheet sheet;
        for (const int zoom : {0, 3, 6})
            checkRaster("busy", zoom, 0, -3300, fonts);
    }
    if (!fonts)
        GTEST_SKIP() << "this machine draws text unlike the machine that recorded the fingerprints; "
                        "only the overlay and strip checks ran";
}
