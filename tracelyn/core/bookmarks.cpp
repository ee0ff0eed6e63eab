#include "tracelyn/core/bookmarks.h"

#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_append.h"

BookmarkState g_bookmarks;

int SetBookmark(int32_t x, int32_t y)
{
    const int index = AppendObject();
    BoardObject* marker = AppendedObject(index);
    if (marker == nullptr)
        return 0;
    marker->w[0] = x;
    marker->w[1] = y;
    marker->w[4] = kKindMarker;
    marker->setLayer(g_edit.currentLayer);
    return index;
}

int ClearBookmarks()
{
    int cleared = 0;
    for (int i = 1; i <= g_board.count; ++i) {
        if (g_board.objects[i].kind() == kKindMarker) {
            g_board.objects[i].setKind(kKindDeleted);
            ++cleared;
        }
    }
    return cleared;
}

int NextBookmark()
{
    if (g_board.objects == nullptr)
        return 0;
    const int start = g_bookmarks.next < 1 || g_bookmarks.next > g_board.count ? 1 : g_bookmarks.next;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = pass == 0 ? start : 1; i <= (pass == 0 ? g_board.count : start - 1); ++i) {
            if (g_board.objects[i].kind() == kKindMarker) {
                g_bookmarks.next = i + 1 > g_board.count ? 1 : i + 1;
                return i;
            }
        }
    }
    return 0;
}
