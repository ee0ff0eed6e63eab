#include "tracelyn/workspace/selective_edit_choice.h"

#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/workspace_services.h"

#include <string>

using namespace tly;

namespace {

constexpr const char* kClassWords[] = {"ALL OBJECTS", "TEXT",  "PADS",     "TRACES",    "ARCS", "ELLIPSES",
                                       "RECTANGLES",  "PARTS", "POLYGONS", "NO-ROUTES", "NETS"};

}  // namespace

int ChooseSelectiveEditClass(unsigned id)
{
    const int which = static_cast<int>(id) - kCmdSelectiveFirst;
    if (which < 0 || which > kSelectiveEditSwitchCount)
        return -1;
    if (which == 0) {
        g_selectiveEdit.on.fill(1);
        g_selectiveEdit.on[kSwitchNets] = 0;
    } else {
        g_selectiveEdit.on.fill(0);
        g_selectiveEdit.on[static_cast<size_t>(which - 1)] = 1;
    }
    g_gesture.selectiveMode = static_cast<int32_t>(id);
    SetStatusText(std::string("Selected edit ") + kClassWords[which] + " only", kPaneMessage);
    ForgetSelection();
    g_gesture.dragging = false;
    return which;
}
