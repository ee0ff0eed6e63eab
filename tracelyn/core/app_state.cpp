#include "tracelyn/core/app_state.h"

#include "common/common_state.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_store.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"

#include <new>

SelectiveEditSwitches g_selectiveEdit;

void PrepareProcessTables()
{
    // The board program's own text for string 849.
    quill::g_stringSpace.failureMessage = "Out of string space";
    g_selectiveEdit.on.fill(1);
    g_router.layerSwitches.fill(0);
    g_router.layerSwitches[0] = 1;
    g_router.layerSwitches[1] = 1;
    ClearPackageTables();
}

bool AllocateSelectionList()
{
    try {
        g_selection.list.assign(kBoardStoreSize, 0);
    } catch (const std::bad_alloc&) {
        g_selection.list.clear();
        return false;
    }
    g_selection.count = 0;
    return true;
}

int FlipLayerViewMode()
{
    if (g_edit.layerViewMode != kViewOneLayer) {
        g_edit.layerViewMode = kViewOneLayer;
        return 0;
    }
    g_edit.layerViewMode = kViewLayerPair;
    return 5;
}

int32_t LayerViewModeBefore(int32_t mode)
{
    return mode == kViewLayerPair ? kViewOneLayer : kViewLayerPair;
}
