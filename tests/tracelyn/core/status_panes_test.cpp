// The status panes and the frame's combos follow the board (work area, store fill, selective
// mode, layer, scale, grid, width), the combo items are drawn as their lists say, and the
// scroll bars stand where the view origin is.
#include "platform/app/frame_wnd.h"
#include "platform/gdi/recording_dc.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tests/tracelyn/core/program_folder_fixture.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/scroll_bars.h"
#include "tracelyn/core/toolbar_combo_items.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/core/workspace_services.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace tly;

class StatusPanes : public ProgramFolderTest {
protected:
    static int selection(unsigned comboId) { return FrameCombo(comboId)->GetCurSel(); }
    static std::string pane(int index) { return plat::GetMainWnd()->statusBar()->GetPaneText(index); }
};

TEST_F(StatusPanes, PanesAndCombosFollowTheBoard)
{
    writeIni("DoTips=0\nunits=726\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());

    g_board.sizeLetter = 'C';
    g_board.count = 16001;
    g_board.zoomIndex = 7;
    g_board.gridCommand = 705;
    g_gesture.selectiveMode = 712;
    g_boardSettings.trace_width = 196;
    RefreshStatusPanes();
    EXPECT_EQ(pane(3), "8X8");
    EXPECT_EQ(pane(4), "50% ");
    EXPECT_EQ(selection(kComboSelectiveEdit), 2);
    EXPECT_EQ(selection(kComboScale), 7);
    EXPECT_EQ(selection(kComboGrid), 7);
    EXPECT_EQ(selection(kComboStockWidth), 4) << "0.5 mm";

    struct Layer {
        int32_t layer;
        int entry;
    };
    for (const Layer c : {Layer{31, 0}, Layer{0, 1}, Layer{15, 16}, Layer{23, 24}, Layer{24, -1}, Layer{25, -1},
                          Layer{26, 25}, Layer{29, 28}, Layer{30, -1}}) {
        SCOPED_TRACE(c.layer);
        g_edit.currentLayer = c.layer;
        RefreshStatusPanes();
        EXPECT_EQ(selection(kComboLayer), c.entry);
        if (c.entry >= 0) {
            EXPECT_EQ(LayerOfComboIndex(c.entry), c.layer) << "a chosen entry gives its layer back";
        }
    }

    g_view.drawToFit = true;
    g_board.zoomIndex = 2;
    RefreshStatusPanes();
    EXPECT_EQ(selection(kComboScale), 7) << "draw-to-fit has no scale entry of its own";
    g_view.drawToFit = false;

    // English units: the lists change with the next refresh and the width is read in mils.
    g_boardSettings.units = 725;
    g_boardSettings.trace_width = 250;
    RefreshStatusPanes();
    EXPECT_EQ(FrameCombo(kComboStockWidth)->GetLBText(0), "1");
    EXPECT_EQ(selection(kComboStockWidth), 7) << "25 mils";
    g_boardSettings.trace_width = 251;
    RefreshStatusPanes();
    EXPECT_EQ(selection(kComboStockWidth), kStockWidthVariable);
}

TEST_F(StatusPanes, StockWidthsInBoardUnits)
{
    EXPECT_EQ(StockWidthOfComboIndex(3, false), 100);
    EXPECT_EQ(StockWidthOfComboIndex(4, true), 196) << "0.5 x 393.7 cut toward zero";
    EXPECT_EQ(StockWidthOfComboIndex(0, true), 19);
    EXPECT_EQ(StockWidthOfComboIndex(kStockWidthVariable, false), -1);
    EXPECT_EQ(StockWidthOfComboIndex(-1, true), -1);
    for (int position = 0; position < kStockWidthVariable; ++position)
        for (const bool metric : {false, true})
            EXPECT_EQ(StockWidthComboIndex(StockWidthOfComboIndex(position, metric), metric), position);
    EXPECT_EQ(LayerOfComboIndex(kLayerComboItems), -1);
}

TEST_F(StatusPanes, ComboItemsDrawTheirSwatchBarAndText)
{
    plat::RecordingDc dc;
    DrawLayerComboItem(dc, {0, 14, 100, 28}, 25);
    DrawWidthComboItem(dc, {0, 0, 100, 14}, 10, false);
    DrawWidthComboItem(dc, {0, 0, 100, 14}, kStockWidthVariable, true);
    DrawComboItemText(dc, {0, 0, 100, 14}, 12, kComboListScale, false);
    DrawComboItemText(dc, {0, 0, 100, 14}, 4, kComboListGrid, true);
    DrawComboItemText(dc, {0, 0, 100, 14}, 99, kComboListSelective, false);
    DrawLayerComboItem(dc, {0, 0, 100, 14}, 29);
    std::vector<std::string> texts;
    std::vector<std::vector<int>> fills;
    std::vector<int> brushStyles;
    for (const plat::DcCall& c : dc.calls()) {
        if (c.name == "TextOut") {
            texts.push_back(c.text);
            EXPECT_EQ(c.bkMode, plat::kTransparent);
            EXPECT_EQ(c.textColor, plat::rgb(0, 0, 0));
        }
        if (c.name == "FillRect") {
            fills.push_back(c.args);
            brushStyles.push_back(c.brush.style);
        }
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Power 1", "50", "Var", "PADS", "1.0 mm"}));
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[0], (std::vector<int>{3, 15, 15, 27})) << "a 12 x 12 swatch";
    EXPECT_EQ(fills[1], (std::vector<int>{3, 0, 27, 15})) << "50 mils: 7 each side of row 7";
    EXPECT_EQ(brushStyles[2], plat::kBsHatched) << "Var is cross-hatched";
}

// The bars show where the view origin is, and a bar left where it stands moves nothing.
TEST_F(StatusPanes, ScrollBarsStandAtTheOriginAtEveryZoom)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    harness.idle();
    auto* view = static_cast<CTracelynView*>(plat::GetMainWnd()->GetActiveView());
    ASSERT_NE(view, nullptr);
    for (const int zoom : {3, 9}) {
        SCOPED_TRACE(zoom);
        ASSERT_TRUE(harness.command(kCmdScaleFirst + static_cast<unsigned>(zoom)));
        g_board.viewOriginX = 500;
        g_board.viewOriginY = -300;
        g_active.data->viewOriginX = 500;
        g_active.data->viewOriginY = -300;
        view->SyncScrollBars();
        const plat::Size total = view->GetTotalSize();
        plat::ScrollInfo h;
        ASSERT_TRUE(view->GetScrollInfo(plat::kSbHorz, &h));
        EXPECT_EQ(h.max, total.cx - 1);
        EXPECT_EQ(static_cast<int>(h.page), view->clientRect().width());
        EXPECT_EQ(h.pos, ScrollPositionOfOrigin(500, 4000, total.cx));
        EXPECT_GT(h.pos, total.cx / 2) << "right of the middle";
        EXPECT_LT(view->GetScrollPos(plat::kSbVert), total.cy / 2) << "above the middle";

        view->OnHScroll(plat::kSbThumbPosition, static_cast<unsigned>(h.pos), nullptr);
        view->OnHScroll(plat::kSbEndScroll, 0, nullptr);
        EXPECT_NEAR(g_active.data->viewOriginX, 500, 4000.0 / total.cx + 1);
    }
    EXPECT_EQ(ScrollPositionOfOrigin(-2000, 4000, 800), 0);
    EXPECT_EQ(ScrollPositionOfOrigin(9000, 4000, 800), 800) << "held to the range";
    EXPECT_EQ(ScrollPositionOfOrigin(0, 0, 800), 0);
}

// A click in the bar beside the thumb moves the board by a window, either way, at any zoom.
TEST_F(StatusPanes, APageOfTheBarIsAWindowOfTheBoard)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    harness.idle();
    auto* view = static_cast<CTracelynView*>(plat::GetMainWnd()->GetActiveView());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(harness.command(tly::kCmdWorkAreaFirst + 4));   // 16 x 16 inches
    for (const int zoom : {3, 6}) {
        SCOPED_TRACE(zoom);
        ASSERT_TRUE(harness.command(kCmdScaleFirst + static_cast<unsigned>(zoom)));
        view->SyncScrollBars();
        const plat::Size total = view->GetTotalSize();
        const double window = view->clientRect().width() * static_cast<double>(g_view.zoomDivisor);
        const double slack = 16000.0 / total.cx + 1;
        for (const unsigned code : {plat::kSbPageRight, plat::kSbPageLeft, plat::kSbLineRight}) {
            const int32_t before = g_active.data->viewOriginX;
            view->OnHScroll(code, 0, nullptr);
            view->OnHScroll(plat::kSbEndScroll, 0, nullptr);
            const double moved = g_active.data->viewOriginX - before;
            const double wanted = code == plat::kSbPageRight ? window : code == plat::kSbPageLeft ? -window : window / 10;
            EXPECT_NEAR(moved, wanted, slack + std::abs(wanted) / 100) << "code " << code;
        }
    }
    ASSERT_TRUE(harness.command(tly::kCmdWorkAreaFirst));   // 4 x 4 inches: a window is most of it
    ASSERT_TRUE(harness.command(kCmdScaleFirst + 3u));
    view->SyncScrollBars();
    view->OnHScroll(plat::kSbPageLeft, 0, nullptr);
    view->OnHScroll(plat::kSbEndScroll, 0, nullptr);
    EXPECT_EQ(g_active.data->viewOriginX, -2000) << "a page past the edge stops at the edge";
    EXPECT_EQ(ScrollPageOfWindow(4000, 16000, 12800), 3200);
    EXPECT_EQ(ScrollPageOfWindow(0, 16000, 12800), 1);
    EXPECT_EQ(ScrollPageOfWindow(90000, 16000, 12800), 12800) << "never more than the whole bar";
}

TEST(PendingScroll, MovesNothingUntilTheScrollEnds)
{
    int pending = -1;
    EXPECT_EQ(StepPendingScroll(pending, 300, plat::kSbLineRight, 0, 4, 40, 800), std::nullopt);
    EXPECT_EQ(pending, 304) << "a scroll starts where the bar stands";
    EXPECT_EQ(StepPendingScroll(pending, 0, plat::kSbPageRight, 0, 4, 40, 800), std::nullopt);
    EXPECT_EQ(pending, 344) << "and goes on from where it got to";
    EXPECT_EQ(StepPendingScroll(pending, 0, plat::kSbEndScroll, 0, 4, 40, 800), 344);
    EXPECT_EQ(pending, -1);
    EXPECT_EQ(StepPendingScroll(pending, 0, plat::kSbThumbTrack, 900, 4, 40, 800), std::nullopt);
    EXPECT_EQ(StepPendingScroll(pending, 0, plat::kSbEndScroll, 0, 4, 40, 800), 800) << "held to the range";
    pending = -1;
    EXPECT_EQ(StepPendingScroll(pending, 10, plat::kSbPageLeft, 0, 4, 40, 800), std::nullopt);
    EXPECT_EQ(StepPendingScroll(pending, 0, plat::kSbEndScroll, 0, 4, 40, 800), 0);
    pending = -1;
    EXPECT_EQ(StepPendingScroll(pending, 400, plat::kSbPageLeft, 0, 60, 600, 800), std::nullopt);
    EXPECT_EQ(StepPendingScroll(pending, 400, plat::kSbEndScroll, 0, 60, 600, 800), 0)
        << "a page past the bar's start reaches the start";
}

}  // namespace
