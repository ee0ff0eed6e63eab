#include "tracelyn/core/pin_snap.h"

#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_hit_test.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/rubber_banding.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Half the pad's box: a finger pad by the grid instead.
void halfSizes(const BoardObject& pad, int32_t& hx, int32_t& hy, int rotation)
{
    hx = pad.w[2] / 2;
    hy = pad.w[3] / 2;
    if ((pad.w[5] & 0xF) == 4) {
        hx = g_view.gridStepX / 2;
        hy = g_view.gridStepY / 2;
    }
    if ((rotation > 450 && rotation < 1350) || (rotation > 2250 && rotation < 3150))
        std::swap(hx, hy);
}

bool within(int32_t x, int32_t y, int32_t hx, int32_t hy)
{
    return std::abs(g_gesture.boardX - x) < hx && std::abs(g_gesture.boardY - y) < hy;
}

// The cursor goes onto a board point.
void moveCursorTo(int32_t x, int32_t y)
{
    const int32_t dx = x - g_gesture.boardX, dy = y - g_gesture.boardY;
    g_gesture.boardX = x;
    g_gesture.boardY = y;
    g_view.cursorWorldX += dx;
    g_view.cursorWorldY += dy;
    int32_t cx = x, cy = y;
    BoardToCursorSpace(cx, cy);
    g_view.cursorX = cx;
    g_view.cursorY = cy;
}

void showPin(const BoardObject& part, const BoardObject& pad, int32_t x, int32_t y)
{
    std::string prefix = part.text() != nullptr ? part.text() : "";
    prefix = prefix.substr(0, prefix.find(':'));
    const char* pin = pad.text() != nullptr ? pad.text() : "";
    int32_t vx = x, vy = y;
    WorldToScreen(vx, vy);
    FindNetAtPoint(vx, vy);
    char text[160];
    std::snprintf(text, sizeof text, "Selected pin:%s%d-%s (%s)", prefix.c_str(), part.w[7], pin,
                  g_netlist.netNameBuffer.c_str());
    SetStatusText(text, kPaneMessage);
}

}  // namespace

int SnapToPin(int dragging)
{
    (void)dragging;
    if (g_board.objects == nullptr)
        return 0;
    UpdateCursorBoardPoint();
    if (g_selection.count == 1 && g_selection.list[1] >= 1 && g_selection.list[1] <= g_board.count) {
        const BoardObject& pad = g_board.objects[g_selection.list[1]];
        int32_t hx = 0, hy = 0;
        halfSizes(pad, hx, hy, 0);
        if (pad.kind() == kKindPad && within(pad.w[0], pad.w[1], hx, hy)) {
            moveCursorTo(pad.w[0], pad.w[1]);
            return 1;
        }
    }
    const int last = std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        const BoardObject& part = g_board.objects[i];
        if (!part.isPart() || part.kind() == kKindPart || !IsObjectOnEditableLayer(i) || HitTestPart(i) == 0)
            continue;
        const PartPads pads = PadsOfPart(part);
        for (int p = pads.first; p < pads.first + pads.count; ++p) {
            const BoardObject& pad = g_packages.objects[static_cast<size_t>(p)];
            if (pad.kind() != kKindPad)
                continue;
            int32_t x = 0, y = 0, hx = 0, hy = 0;
            PartPadPosition(part, pad, x, y);
            halfSizes(pad, hx, hy, part.w[6] & 0xFFF);
            if (!within(x, y, std::max(hx, 1), std::max(hy, 1)))
                continue;
            moveCursorTo(x, y);
            showPin(part, pad, x, y);
            return 1;
        }
    }
    return 0;
}
