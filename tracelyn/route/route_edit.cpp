#include "tracelyn/route/route_edit.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/object_append.h"

#include <algorithm>
#include <vector>

RouteStoreState g_routeStore;

int AppendRouteObject(const BoardObject& object)
{
    const int index = g_board.objects != nullptr ? AppendObject() : 0;
    BoardObject* slot = AppendedObject(index);
    if (slot == nullptr) {
        g_routeStore.full = true;
        return 0;
    }
    slot->w = object.w;
    return index;
}

void TruncateObjects(int count)
{
    if (g_board.objects == nullptr)
        return;
    count = std::max(count, 0);
    for (int i = g_board.count; i > count; --i) {
        FreeObjectData(g_board.objects[i]);
        g_board.objects[i] = BoardObject{};
    }
    g_board.count = std::min(g_board.count, count);
    if (g_active.data != nullptr && g_active.data->objects && g_board.objects == g_active.data->objects->data())
        g_active.data->objectCount = g_board.count;
}

BoardObject MakeRouteObject(int kind, int layer, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    BoardObject o;
    o.w[0] = x1;
    o.w[1] = y1;
    o.w[2] = x2;
    o.w[3] = y2;
    o.w[4] = layer * 1024 + kind;
    return o;
}

BoardUndoEntry RouteUndoSnapshot()
{
    BoardUndoEntry entry;
    entry.kind = kUndoModified;
    if (g_board.objects == nullptr)
        return entry;
    const int count = std::min(g_board.count, g_board.capacity - 1);
    entry.snapshot.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 1; i <= count; ++i)
        entry.snapshot.push_back(UndoSlot{i, OwnedObject(g_board.objects[i])});
    entry.count = static_cast<int32_t>(entry.snapshot.size());
    entry.baseCount = count;
    return entry;
}

void PushRouteUndo(int only)
{
    if (g_board.objects == nullptr)
        return;
    const int count = std::min(g_board.count, g_board.capacity - 1);
    if (only <= 0 || only > count) {
        PushPreparedUndo(RouteUndoSnapshot());
        return;
    }
    std::vector<int32_t>& list = g_selection.list;
    if (list.size() < 2)
        list.resize(2);
    list[1] = only;
    g_selection.count = 1;
    PushUndoSnapshot();
    if (BoardUndoEntry* entry = NewestUndoEntry())
        entry->baseCount = count;
    g_selection.count = 0;
}
