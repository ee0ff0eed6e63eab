#include "tracelyn/core/object_removal.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"

#include <algorithm>

void RemoveObject(int n)
{
    BoardObject* objects = g_board.objects;
    const int last = std::min(g_board.count, g_board.capacity - 1);
    if (objects == nullptr || n < 1 || n > last)
        return;
    BoardObject& gap = objects[n];
    BoardObject& tail = objects[last];
    if (n != last) {
        // Undo entries name objects by index: once the last object has moved, none of them
        // would restore into the right record.
        ClearUndoRing();
        FreeObjectData(gap);
        std::copy(tail.w.begin(), tail.w.begin() + 8, gap.w.begin());
        gap.data = tail.data;
    } else {
        FreeObjectData(gap);
    }
    // The moved data now belongs to slot n alone.
    tail.w[4] = 0;
    tail.data = nullptr;
    g_board.count = std::max(last - 1, 0);
    if (g_active.data != nullptr) {
        g_active.data->objectCount = g_board.count;
        g_active.data->modified = true;
    }
}
