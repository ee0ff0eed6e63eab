#pragma once
// The one way new records enter the current board store (g_board): imports and every other
// path that adds objects go through it, so a full store refuses cleanly instead of writing
// over its last record.

#include "tracelyn/core/board_object.h"

// Appends a copy of o through AppendObject (the store then owns what o pointed at). At a full
// store nothing is appended: "Database FULL--objects not
// loaded" is shown once per call site's run (the caller passes its own flag) and false
// returned; o's heap data is freed.
bool AppendBoardObject(BoardObject& o, bool& fullShown);
