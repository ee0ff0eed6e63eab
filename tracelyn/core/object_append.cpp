#include "tracelyn/core/object_append.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"

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

bool StoreHasRoomFor(int more)
{
    return g_board.objects != nullptr && more >= 0 && g_board.count + more < kMaxBoardObjects;
}
