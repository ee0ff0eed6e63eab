#pragma once
// Helpers of the schematic program that act on the active document and the main frame.

#include <string_view>

// Stores n + 1 (at most 7,999) as the object count of the active view's document and marks it
// modified; returns the stored value. With no active document only the current count changes;
// while the part editor is open only the editor's modified flag is set besides it.
int SetObjectCount(int n);
// Marks what is being edited modified: the part editor's part while the editor is open, else
// the active document (if any).
void MarkEditedDrawingModified();

// Text of a status-bar pane of the main frame (pane 0: messages, 1: cursor read-out). While the
// part editor is open, panes 0 and 1 go to the editor's own status lines and others are ignored.
void SetStatusText(std::string_view text, int pane);
// A string-table text in a pane of the main frame, also while the part editor is open.
void SetStatusTextId(unsigned stringId, int pane);
