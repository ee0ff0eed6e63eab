#pragma once
// Bookmarks: markers (kind 25) set at a point of the board and visited in turn.

#include <cstdint>

struct BookmarkState {
    int next = 1;           // where Go To Bookmark looks first
};
extern BookmarkState g_bookmarks;

// Appends a marker on the current layer at the board point; its index, or 0 when the store is
// full.
int SetBookmark(int32_t x, int32_t y);
// Deletes every marker; returns how many there were.
int ClearBookmarks();
// The next marker from the remembered index on, then from the start; 0 when there is none.
// The index after it is remembered.
int NextBookmark();
