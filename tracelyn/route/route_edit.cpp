#include "tracelyn/route/route_edit.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"

#include <algorithm>
#include <deque>

RouteStoreState g_routeStore;

namespace {

constexpr size_t kUndoDepth = 5;

std::deque<RouteSnapshot>& undoEntries()
{
    static std::deque<RouteSnapshot> entries;
    return entries;
}

bool ownsData(const BoardObject& o) { return o.ownsText() || o.ownsPoints(); }

}  // namespace

int AppendRouteObject(const BoardObject& object)
{
    if (g_board.objects == nullptr || g_board.count + 1 >= std::min(kMaxBoardObjects - 1, g_board.capacity)) {
        g_routeStore.full = true;
        return 0;
    }
    const int index = SetObjectCount(g_board.count);
    if (index <= g_board.count) {
        g_routeStore.full = true;
        return 0;
    }
    BoardObject& slot = g_board.objects[index];
    FreeObjectData(slot);
    slot = object;
    slot.data = nullptr;
    g_board.count = index;
    if (g_active.data != nullptr && g_active.data->objects && g_board.objects == g_active.data->objects->data())
        g_active.data->objectCount = index;
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

RouteSnapshot::RouteSnapshot() : document_(g_active.data), count_(g_board.count)
{
    if (g_board.objects == nullptr)
        return;
    words_.resize(static_cast<size_t>(count_) + 1);
    for (int i = 1; i <= count_; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (!ownsData(o)) {
            words_[static_cast<size_t>(i)].w = o.w;
            words_[static_cast<size_t>(i)].data = o.data;   // a pad's borrowed text, never owned
        }
    }
}

bool RouteSnapshot::restore() const
{
    if (g_board.objects == nullptr || document_ != g_active.data)
        return false;
    TruncateObjects(count_);
    for (int i = 1; i <= std::min(count_, g_board.count); ++i) {
        BoardObject& o = g_board.objects[i];
        const BoardObject& saved = words_[static_cast<size_t>(i)];
        if (!ownsData(o) && !ownsData(saved)) {
            o.w = saved.w;
            o.data = saved.data;
        }
    }
    g_board.count = count_;
    if (document_ != nullptr) {
        document_->objectCount = count_;
        document_->modified = true;
    }
    return true;
}

void PushRouteUndo(RouteSnapshot snapshot)
{
    auto& entries = undoEntries();
    entries.push_back(std::move(snapshot));
    while (entries.size() > kUndoDepth)
        entries.pop_front();
}

bool UndoRouteOperation()
{
    auto& entries = undoEntries();
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if (it->document() != g_active.data)
            continue;
        const bool done = it->restore();
        entries.erase(std::next(it).base());
        return done;
    }
    return false;
}

void ForgetRouteUndo(const BoardDocumentData* document)
{
    auto& entries = undoEntries();
    std::erase_if(entries, [document](const RouteSnapshot& s) { return document == nullptr || s.document() == document; });
}

int RouteUndoDepth() { return static_cast<int>(undoEntries().size()); }
