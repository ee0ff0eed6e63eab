#include "tracelyn/core/change_objects.h"

#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int32_t kTextSizeBits = 0x7F00;

bool takesLineProperties(int kind)
{
    return kind == kKindLine || kind == kKindRectangle || kind == 5 || kind == kKindEllipse || kind == kKindArc ||
           kind == kKindPolygon;
}

// The layer a pad of the current pad style goes on; -1 when the style cannot go on it.
int padLayerFor(int shape, int current)
{
    switch (shape) {
    case kPadRect:
    case kPadFinger:
        return current;
    case kPadLayerPair:
        return current == kLayerAll ? 0 : (current & 126);
    case kPadThermal:
        return current == kLayerVcc || current == kLayerGround ? current : -1;
    default:
        return kLayerAll;
    }
}

bool changeObject(BoardObject& o, int change)
{
    const int kind = o.kind();
    if (takesLineProperties(kind)) {
        switch (change) {
        case kChangeStyle: o.w[5] = g_drawDefaults.outlineStyle; return true;
        case kChangeFill: o.w[6] = g_drawDefaults.fillPattern; return true;
        case kChangeWidth:
            if (kind == 5)
                return false;
            o.w[7] = g_boardSettings.trace_width;
            return true;
        default: return false;
        }
    }
    if (kind == kKindText && change == kChangeFont) {
        // The size index sits in bits 8 to 14 of the text's third word; its other bits stay.
        o.w[2] = (o.w[2] & ~kTextSizeBits) | ((g_boardSettings.CurrentSize << 8) & kTextSizeBits);
        return true;
    }
    if (kind == kKindPad && change == kChangePad) {
        const int shape = g_boardSettings.padShape;
        const int layer = padLayerFor(shape, g_edit.currentLayer);
        if (layer < 0)
            return false;
        if ((o.w[5] & 0xF) != kPadThermal) {
            o.w[4] = static_cast<int32_t>(static_cast<uint32_t>(layer) << 10) | kKindPad;
            o.w[5] = (o.w[5] & ~0xF) | shape;
        }
        o.w[2] = g_boardSettings.padSizeX;
        o.w[3] = g_boardSettings.padSizeY;
        o.w[6] = g_boardSettings.padHole;
        return true;
    }
    return false;
}

}  // namespace

void ChangeSelectedObjects(int change)
{
    if (g_board.objects == nullptr)
        return;
    SetStatusText("Doing change operation.....", kPaneMessage);
    PushUndoSnapshot();
    int changed = 0;
    const int n = std::min(g_selection.count, static_cast<int>(g_selection.list.size()) - 1);
    for (int i = 1; i <= n; ++i) {
        const int index = g_selection.list[static_cast<size_t>(i)];
        if (index >= 1 && index <= g_board.count && changeObject(g_board.objects[index], change))
            ++changed;
    }
    if (changed == 0)
        DropNewestUndoEntry();   // nothing to take back
    RedrawActiveFrame();
    char text[64];
    if (changed == 0)
        std::snprintf(text, sizeof text, "No objects were changed");
    else
        std::snprintf(text, sizeof text, "Changed %d object(s)", changed);
    SetStatusText(text, kPaneMessage);
}
