#pragma once
// Helpers of the schematic program that act on the active document and the main frame.

#include <string_view>

// Stores n + 1 (at most 7,999) as the object count of the active view's document and marks it
// modified; returns the stored value. With no active document only the current count changes.
int SetObjectCount(int n);

// Text of a status-bar pane of the main frame (pane 0: messages, 1: cursor read-out).
void SetStatusText(std::string_view text, int pane);
// The same with a string-table text.
void SetStatusTextId(unsigned stringId, int pane);
