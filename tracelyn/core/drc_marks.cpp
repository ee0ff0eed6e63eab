#include "tracelyn/core/drc_marks.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_append.h"

#include <algorithm>

DrcMarkState g_drcMarks;

namespace {

int32_t clamped(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

int lastSlot()
{
    return g_board.objects == nullptr ? 0 : std::min(g_board.count, g_board.capacity - 1);
}

bool isMark(const BoardObject& o) { return o.kind() == kKindFixedRectangle; }

}  // namespace

int AddDrcMark(int32_t x, int32_t y, int32_t w, int32_t h)
{
    const int index = AppendObject();
    BoardObject* mark = AppendedObject(index);
    if (mark == nullptr)
        return 0;
    const int64_t rx = int64_t{std::max(w, 0)} + kDrcMarkMargin, ry = int64_t{std::max(h, 0)} + kDrcMarkMargin;
    mark->w[0] = clamped(x - rx);
    mark->w[1] = clamped(y - ry);
    mark->w[2] = clamped(x + rx);
    mark->w[3] = clamped(y + ry);
    mark->w[4] = g_drcMarks.layer * 1024 + kKindFixedRectangle;
    ++g_drcMarks.count;
    return index;
}

int FirstDrcMark()
{
    const int last = lastSlot();
    for (int i = 1; i <= last; ++i)
        if (isMark(g_board.objects[i]))
            return i;
    return last + 1;
}

int CountWithoutTrailingMarks()
{
    int count = lastSlot();
    while (count > 1 && (isMark(g_board.objects[count]) || g_board.objects[count].kind() == kKindDeleted))
        --count;
    return count;
}

int DeleteDrcMarks()
{
    const int last = lastSlot();
    const int count = CountWithoutTrailingMarks();
    int deleted = 0;
    for (int i = 1; i <= last; ++i) {
        BoardObject& o = g_board.objects[i];
        if (isMark(o)) {
            FreeObjectData(o);
            o = BoardObject{};
            ++deleted;
        }
    }
    g_board.count = std::min(g_board.count, count);
    if (g_active.data != nullptr && g_active.data->objects && g_board.objects == g_active.data->objects->data())
        g_active.data->objectCount = g_board.count;
    g_drcMarks.count = 0;
    return deleted;
}
