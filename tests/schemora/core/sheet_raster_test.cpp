// The example drawing painted into real images and onto a PDF page.
#include "paint_test_support.h"

#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "platform/gdi/printer_dc.h"
#include "platform/gdi/raster_dc.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "support/temp_folder.h"
#include "tools/make_title_block/shipped_drawings.h"

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
        addResistor("DEVICE\\10K");
        addCapacitor("DEVICE\\100N");
        addConnector();
        addGround();
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
