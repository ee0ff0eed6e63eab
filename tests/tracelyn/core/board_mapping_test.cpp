#include "paint_fixture.h"

namespace paint_test {
namespace {

TEST_F(PaintTest, WorldToScreenByZoomBand)
{
    const int32_t expected[10] = {-123, -123, -123, -123, -123, -123, -123, -246, -617, -1234};
    for (int z = 0; z <= 9; ++z) {
        SCOPED_TRACE(z);
        g_board.zoomIndex = z;
        int32_t x = -1234, y = 1234;
        WorldToScreen(x, y);
        EXPECT_EQ(x, expected[z]);
        EXPECT_EQ(y, -expected[z]);
        ScreenToWorld(x, y);
        EXPECT_EQ(y, z < 7 ? 1230 : z == 7 ? 1230 : z == 8 ? 1234 : 1234);
    }
    g_board.zoomIndex = 7;
    int32_t x = 13, y = 13;
    WorldToScreenRounded(x, y);   // 2.6: x rounds half up, y truncates
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 2);
}

TEST_F(PaintTest, ScreenMappingCentresTheViewOrigin)
{
    EXPECT_EQ(dc.GetWindowExt(), (plat::Size{4000, 4000}));
    EXPECT_EQ(dc.GetViewportExt(), (plat::Size{800, 800}));
    EXPECT_EQ(g_view.clientCentreX, 400 * 5);
    EXPECT_EQ(dc.LPtoDP(plat::Point{0, 0}), (plat::Point{400, 300}));
    g_board.viewOriginX = 500;
    prepare();
    EXPECT_EQ(dc.LPtoDP(plat::Point{500, 0}), (plat::Point{400, 300}));

    g_boardSettings.units = kUnitsMetric;
    prepare();
    EXPECT_EQ(dc.GetViewportExt(), (plat::Size{2032, 2032}));

    g_board.sizeLetter = -3;
    prepare();
    EXPECT_EQ(g_board.sizeLetter, 'A');
    EXPECT_EQ(g_board.count, 0);
}

TEST_F(PaintTest, ZoomStepsAndClamping)
{
    g_boardSettings.sound = 1;
    g_boardFolders.soundFolder = "/snd/";
    // In at index 8 about the window centre: the origin scales by 10/5.
    zoom(8);
    g_board.viewOriginX = 100;
    g_board.viewOriginY = -40;
    g_view.cursorX = g_view.clientCentreX;
    g_view.cursorY = g_view.clientCentreY;
    ZoomStepResult r = ApplyZoomStep(true);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(g_board.zoomIndex, 9);
    EXPECT_EQ(g_board.viewOriginX, 200);
    EXPECT_EQ(g_board.viewOriginY, -80);
    EXPECT_EQ(doc.zoomIndex, 9);
    EXPECT_EQ(doc.viewOriginX, 200);
    EXPECT_EQ(host.count("sound: /snd/Maximum"), 1);

    // PgUp at 9 is refused and plays the sound again.
    r = ApplyZoomStep(true);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(g_board.zoomIndex, 9);
    EXPECT_EQ(g_board.viewOriginX, 200);
    EXPECT_EQ(host.count("sound: /snd/Maximum"), 2);

    // The point under the cursor comes to the centre.
    zoom(3);
    g_board.viewOriginX = 0;
    g_view.cursorX = g_view.clientCentreX + 100;
    g_view.cursorY = g_view.clientCentreY;
    ApplyZoomStep(false);
    EXPECT_EQ(g_board.zoomIndex, 2);
    EXPECT_EQ(g_board.viewOriginX, 100);
    EXPECT_EQ(g_view.cursorX, g_view.clientCentreX);
}

TEST_F(PaintTest, FineZoomStepsEmptyTheSelection)
{
    struct Case {
        int from;
        bool in;
        int32_t countAfter;
    };
    const Case cases[] = {{6, true, 0}, {7, false, 0}, {2, true, 3}, {3, false, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        zoom(c.from);
        g_selection.count = 3;
        ApplyZoomStep(c.in);
        EXPECT_EQ(g_selection.count, c.countAfter);
    }
}

TEST_F(PaintTest, MetricZoomIsCappedByTheWorkArea)
{
    g_boardSettings.units = kUnitsMetric;
    g_board.sizeLetter = 'D';
    zoom(5);
    ApplyZoomStep(true);
    EXPECT_EQ(g_board.zoomIndex, 5);
}

TEST_F(PaintTest, ScaleWorkAreaAndLayerCommands)
{
    g_board.viewOriginX = 900;
    g_selection.count = 2;
    ApplyScaleCommand(756);
    EXPECT_EQ(g_board.zoomIndex, 5);
    EXPECT_EQ(g_view.zoomDivisor, 2);
    EXPECT_EQ(g_board.viewOriginX, 0);
    EXPECT_EQ(g_selection.count, 0);
    EXPECT_EQ(doc.zoomIndex, 5);

    doc.modified = false;
    ApplyWorkAreaCommand(343);
    EXPECT_EQ(g_board.sizeLetter, 'D');
    EXPECT_EQ(doc.sizeLetter, 'D');
    EXPECT_TRUE(doc.modified);

    EXPECT_EQ(LayerOfCommand(1003), 3);
    EXPECT_EQ(LayerOfCommand(1024), 25);
    EXPECT_EQ(LayerOfCommand(1025), 31);
    // Every menu item's layer leads back to that item; the outline's and all layers' items are
    // not those of layer number + 1000.
    for (int id = 1000; id <= 1029; ++id)
        EXPECT_EQ(CommandOfLayer(LayerOfCommand(id)), id) << id;
    EXPECT_EQ(CommandOfLayer(25), 1024);
    EXPECT_EQ(CommandOfLayer(31), 1025);
    EXPECT_EQ(CommandOfLayer(24), 0);
    const int next[][2] = {{31, 0}, {0, 1}, {22, 23}, {23, 26}, {28, 29}, {29, 31}, {24, 24}, {25, 25}};
    for (const auto& [from, to] : next)
        EXPECT_EQ(NextLayer(from), to) << from;
    const int previous[][2] = {{0, 31}, {26, 23}, {31, 29}, {5, 4}};
    for (const auto& [from, to] : previous)
        EXPECT_EQ(PreviousLayer(from), to) << from;
}

TEST_F(PaintTest, PrintingMapsMilsAndSplitsLargeAreasIntoPages)
{
    plat::RecordingDc printer(plat::RecordingDevice{4800, 6400, 600, 600, true});
    g_boardSettings.PrPaged = 1;
    g_board.sizeLetter = 'E';
    EXPECT_EQ(PrintPageCount(), 4);
    const plat::Point origins[4] = {{1000 - 2400, 1000 - 3200}, {2400 - 1000, 1000 - 3200},
                                    {1000 - 2400, 3200 - 1000}, {2400 - 1000, 3200 - 1000}};
    for (int page = 1; page <= 4; ++page) {
        SCOPED_TRACE(page);
        PreparePrintMapping(printer, page);
        EXPECT_EQ(g_board.viewOriginX, origins[page - 1].x);
        EXPECT_EQ(g_board.viewOriginY, origins[page - 1].y);
        EXPECT_EQ(printer.GetWindowExt(), (plat::Size{1000, 1000}));
        EXPECT_EQ(printer.GetViewportExt(), (plat::Size{600, 600}));
    }
    g_board.sizeLetter = 'D';
    EXPECT_EQ(PrintPageCount(), 2);
    g_boardSettings.PrPaged = 0;
    g_boardSettings.PrMirror = 1;
    g_boardSettings.fXp = 1.5;
    PreparePrintMapping(printer, 1);
    EXPECT_EQ(printer.GetViewportExt(), (plat::Size{-900, 600}));
    EXPECT_EQ(g_board.viewOriginX, 0);
}

TEST_F(PaintTest, PrintingSwapsTheColourMapForItsDuration)
{
    const auto before = g_boardColors.colorMap;
    BeginBoardPrinting();
    EXPECT_TRUE(g_print.printing);
    EXPECT_EQ(ColorMapEntry(3), kPaletteBlack);
    EXPECT_EQ(ColorMapEntry(RoleColor(kRoleBackground)), kPaletteWhite);
    EndBoardPrinting();
    EXPECT_FALSE(g_print.printing);
    EXPECT_EQ(g_boardColors.colorMap, before);

    g_boardSettings.PrInvert = 1;
    BeginBoardPrinting();
    EXPECT_EQ(ColorMapEntry(3), kPaletteWhite);
    EXPECT_EQ(ColorMapEntry(RoleColor(kRoleBackground)), kPaletteBlack);
    EndBoardPrinting();

    g_boardSettings.PrColor = 1;
    BeginBoardPrinting();
    EXPECT_EQ(g_boardColors.colorMap, before);
    EndBoardPrinting();
}

TEST_F(PaintTest, ScrollSizesAreCapped)
{
    EXPECT_EQ(BoardScrollSizes(dc), (plat::Size{3200, 3200}));
    zoom(9);
    g_board.sizeLetter = 'G';
    prepare();
    EXPECT_EQ(BoardScrollSizes(dc), (plat::Size{kMaxScrollExtent, kMaxScrollExtent}));
}

TEST_F(PaintTest, ColourMapSeeding)
{
    const auto& map = g_boardColors.colorMap;
    EXPECT_EQ(map[0], 6);
    EXPECT_EQ(map[3], 5);
    EXPECT_EQ(map[4], 12);
    EXPECT_EQ(map[20], 28);
    // Colours named by roles: 24 (all layers) 2, 26 (background) 7, 16 (top silk) 4, ...
    const int roleColors[][2] = {{24, 2}, {26, 7}, {16, 4}, {23, 0}, {22, 0}, {21, 1}, {25, 5},
                                 {29, 0}, {30, 7}, {27, 7}, {28, 4}, {18, 4}, {19, 1}};
    for (const auto& [color, entry] : roleColors)
        EXPECT_EQ(map[static_cast<size_t>(color)], entry) << color;
    EXPECT_EQ(GetLayerColor(5), plat::paletteIndex(5));
    g_boardPalette.trueColor = true;
    EXPECT_EQ(GetLayerColor(4), plat::rgb(255, 0, 0));
}

}  // namespace
}  // namespace paint_test
