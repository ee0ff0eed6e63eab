// The view's mapping of the sheet onto windows and pages, zoom steps and scroll sizes.
#include "paint_test_support.h"

#include "schemora/core/paint_style.h"
#include "schemora/core/sheet_mapping.h"

#include <gtest/gtest.h>

using namespace paint_test;

TEST(SheetMapping, ZoomStepsAndEnds)
{
    PaintState state;
    struct Case {
        int from, direction;
        bool metricE;
        ZoomStep expected;
    } cases[] = {
        {3, 1, false, {4, true, nullptr}},
        {5, 1, false, {6, true, "Maximum"}},      // reaching 500% plays and zooms
        {6, 1, false, {6, false, "Maximum"}},     // beyond: nothing changes
        {1, 0, false, {0, true, "Minimum"}},
        {0, 0, false, {0, false, "Minimum"}},
        {5, 1, true, {5, true, nullptr}},         // metric E sheets stop at 250%
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.from << (c.direction ? " in" : " out"));
        g_settings.units = c.metricE ? kUnitsMetric : kUnitsEnglish;
        g_current.sheetSize = c.metricE ? 'E' : 'A';
        g_current.zoomIndex = c.from;
        const ZoomStep step = StepScaleIndex(c.direction);
        EXPECT_EQ(step.index, c.expected.index);
        EXPECT_EQ(step.changed, c.expected.changed);
        EXPECT_STREQ(step.sound ? step.sound : "", c.expected.sound ? c.expected.sound : "");
        EXPECT_EQ(g_current.zoomIndex, c.expected.index);
        EXPECT_EQ(g_current.zoomFactor, kZoomDivisors[static_cast<size_t>(c.expected.index)]);
    }
    EXPECT_EQ(ClampViewCentre(40000), 32767);
    EXPECT_EQ(ClampViewCentre(-40000), -32767);
}

TEST(SheetMapping, ScreenMappingAndCentreClamp)
{
    PaintState state;
    g_current.sheetSize = 'B';
    g_current.zoomFactor = 5;
    g_current.viewCentreX = 500;
    g_current.viewCentreY = -250;
    const plat::Rect client{0, 0, 800, 600};
    plat::RecordingDc dc;
    PrepareScreenMapping(dc, client);
    EXPECT_EQ(dc.GetMapMode(), plat::kMmAnisotropic);
    EXPECT_EQ(dc.GetWindowExt(), (plat::Size{8500, 5500}));
    EXPECT_EQ(dc.GetViewportExt(), (plat::Size{1700, 1100}));
    EXPECT_EQ(dc.GetViewportOrg(), (plat::Point{400 - 100, 300 + 50}));
    EXPECT_EQ(dc.LPtoDP(plat::Point{500, -250}), (plat::Point{400, 300})) << "the view centre is in the middle";
    EXPECT_EQ(g_sheetView.clientCentreX, 2000);
    EXPECT_EQ(g_sheetView.workArea, client);

    // A centre beyond the sheet is pulled back to its edge and the selection is emptied.
    g_current.viewCentreX = 9000;
    g_editState.selectionCount = 3;
    PrepareScreenMapping(dc, client);
    EXPECT_EQ(g_current.viewCentreX, 4250);
    EXPECT_EQ(g_editState.selectionCount, 0);

    // Metric units stretch the viewport by 2.54; fit mode stretches the sheet over the window.
    g_settings.units = kUnitsMetric;
    SetSheetMapping(dc, client);
    EXPECT_EQ(dc.GetViewportExt(), (plat::Size{4318, 2794}));
    g_sheetView.fitToWindow = true;
    SetSheetMapping(dc, client);
    EXPECT_EQ(dc.GetViewportExt(), (plat::Size{800, 600}));
    g_settings.units = kUnitsEnglish;
    EXPECT_EQ(FitOffsets(client, 'B', 5), (plat::Point{(640000 / 8500) / 2 * 5, (360000 / 5500) / 2 * 5}));

    // Scroll sizes are the sheet in device units, never above 30000.
    g_sheetView.fitToWindow = false;
    g_current.sheetSize = 'E';
    g_current.zoomFactor = 1;
    SetSheetMapping(dc, client);
    EXPECT_EQ(SheetScrollSizes(dc, 'E'), (plat::Size{22000, 17000}));
    g_settings.units = kUnitsMetric;
    SetSheetMapping(dc, client);
    EXPECT_EQ(SheetScrollSizes(dc, 'E'), (plat::Size{30000, 30000}));
}

TEST(SheetMapping, PrintPages)
{
    PaintState state;
    PrintoutSettings paginated{kPrintPaginated, false, true};
    PrintoutSettings oneSheet{kPrintOneSheet, false, true};
    EXPECT_EQ(PrintPageCount('A', 1, paginated), 1);
    EXPECT_EQ(PrintPageCount('B', 1, paginated), 2);
    EXPECT_EQ(PrintPageCount('D', 1, paginated), 4);
    EXPECT_EQ(PrintPageCount('D', 3, oneSheet), 3);
    EXPECT_EQ(PrintPageCount('D', 1, oneSheet), 1);

    plat::RecordingDc page(plat::RecordingDevice{4800, 6000, 600, 600, true});
    // D-size paginated: four quarters, top-left first, extents halved.
    const plat::Point origins[] = {{4780, 5980}, {20, 5980}, {4780, 20}, {20, 20}};
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        PreparePrintMapping(page, p, 'D', 1, paginated);
        EXPECT_EQ(page.GetViewportOrg(), origins[p - 1]);
        EXPECT_EQ(page.GetViewportExt(), (plat::Size{4800, 6000}));
        const int height = 11000 / 16 * 20;
        EXPECT_EQ(page.GetWindowExt(), (plat::Size{height * 4800 / 6000 / 2, height / 2}));
    }
    // One sheet a page: page n prints sheet n; without aspect the extents are the sheet's.
    PrintoutSettings noAspect{kPrintOneSheet, false, false};
    EXPECT_EQ(PreparePrintMapping(page, 2, 'A', 3, noAspect), 2);
    EXPECT_EQ(g_sheetView.currentSheet, 2);
    EXPECT_EQ(page.GetWindowExt(), (plat::Size{5500 / 18 * 20, 4250 / 18 * 20}));
    EXPECT_EQ(page.GetViewportOrg(), (plat::Point{2400, 3000}));
}

TEST(SheetMapping, MonochromePrintingReplacesAndRestoresRoles)
{
    PaintState state;
    g_sheetView.currentSheet = 2;
    BeginSheetPrinting(PrintoutSettings{kPrintOneSheet, false, true});
    EXPECT_TRUE(g_sheetView.printing);
    EXPECT_EQ(g_colorRoles.index[0], 7);
    for (int role = 1; role < kColorRoles; ++role)
        EXPECT_EQ(g_colorRoles.index[static_cast<size_t>(role)], 0) << role;
    g_sheetView.currentSheet = 3;
    EndSheetPrinting(3);
    EXPECT_FALSE(g_sheetView.printing);
    EXPECT_EQ(g_sheetView.currentSheet, 2);
    EXPECT_TRUE(std::equal(kRoles.begin(), kRoles.end(), g_colorRoles.index.begin()));

    BeginSheetPrinting(PrintoutSettings{kPrintOneSheet, true, true});
    EXPECT_EQ(g_colorRoles.index[1], 6) << "colour printouts keep the roles";
    EndSheetPrinting(1);
}
