#include "tracelyn/core/object_append.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"

#include <algorithm>

int AppendObject()
{
    if (g_board.objects == nullptr)
        return 0;
    const int before = g_board.count;
    const int index = SetObjectCount(before);
    if (index <= before || index >= g_board.capacity) {
        // SetObjectCount has warned and capped: the store is full, and it stays as it was.
        if (!g_footprintEditor.open && g_active.data != nullptr)
            g_active.data->objectCount = before;
        return 0;
    }
    BoardObject& record = g_board.objects[index];
    FreeObjectData(record);
    record = BoardObject{};
    g_board.count = index;
    return index;
}

BoardObject* AppendedObject(int index)
{
    if (index < 1 || g_board.objects == nullptr || index > g_board.count)
        return nullptr;
    return &g_board.objects[index];
}

int StoreObjectLimit()
{
    return std::min(g_board.capacity, kMaxBoardObjects);
}

bool StoreHasRoomFor(int more)
{
    return g_board.objects != nullptr && more >= 0 && g_board.count + more < StoreObjectLimit();
}

void TakeBackAppendedObject(int index)
{
    if (g_board.objects == nullptr || index < 1 || index > g_board.count)
        return;
    BoardObject& o = g_board.objects[index];
    FreeObjectData(o);
    o = BoardObject{};
    if (index == g_board.count) {
        g_board.count = std::max(index - 1, 1);
        if (!g_footprintEditor.open && g_active.data != nullptr)
            g_active.data->objectCount = g_board.count;
    }
    const BoardUndoEntry* newest = NewestUndoEntry();
    if (newest != nullptr && newest->kind == kUndoAppended && newest->baseCount + 1 == index && newest->count == 1)
        DropNewestUndoEntry();
}
