// The status panes and the frame's combos brought in line with the active board after each
// paint: work-area size, store fill level and the combo selections.
#include "tracelyn/core/board_view_services.h"

#include "platform/app/control_bars.h"
#include "platform/app/resources.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/grid_menu_texts.h"
#include "tracelyn/core/toolbar_combo_items.h"
#include "tracelyn/core/workspace_services.h"

#include <cstdio>

namespace {

constexpr int kPaneWorkArea = 3;
constexpr int kPaneStoreFill = 4;

// Selecting an entry rebuilds the combo's face, so only a change is passed on.
void selectEntry(unsigned comboId, int index)
{
    plat::ToolBarCombo* combo = FrameCombo(comboId);
    if (combo == nullptr)
        return;
    if (index >= combo->GetCount())
        index = -1;
    if (combo->GetCurSel() != index)
        combo->SetCurSel(index);
}

}  // namespace

void RefreshStatusPanes()
{
    FollowUnitMode();
    SetStatusText(plat::LoadString(tly::kStrWorkAreaBase + static_cast<unsigned>(g_board.sizeLetter)), kPaneWorkArea);
    char fill[16];
    std::snprintf(fill, sizeof fill, "%d%% ", static_cast<int>((g_board.count - 1) * 0.003125));
    SetStatusText(fill, kPaneStoreFill);

    selectEntry(tly::kComboSelectiveEdit, g_gesture.selectiveMode - kSelectiveEditFirst);
    selectEntry(tly::kComboLayer, LayerComboIndex(g_edit.currentLayer));
    if (!g_view.drawToFit)
        selectEntry(tly::kComboScale, g_board.zoomIndex);
    selectEntry(tly::kComboGrid, g_board.gridCommand - kGridMenuFirst);
    selectEntry(tly::kComboStockWidth, StockWidthComboIndex(g_boardSettings.trace_width, MetricUnits()));
}
