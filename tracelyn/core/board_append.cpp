#include "tracelyn/core/board_append.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"

#include <algorithm>

bool AppendBoardObject(BoardObject& o, bool& fullShown)
{
    const int limit = std::min(kMaxBoardObjects - 1, g_board.capacity - 1);
    if (g_board.objects == nullptr || g_board.count + 1 > limit - 1) {
        if (!fullShown)
            plat::MessageBox("Database FULL--objects not loaded");
        fullShown = true;
        FreeObjectData(o);
        return false;
    }
    BoardObject& slot = g_board.objects[g_board.count + 1];
    FreeObjectData(slot);
    slot = o;
    o.data = nullptr;
    g_board.count = SetObjectCount(g_board.count);
    return true;
}
