#pragma once
// Copy and paste of schematic objects through the desktop clipboard: the "TLYN" block of the
// selected objects, their texts as plain text, and pasting either back as new selected objects
// 200 units right of and below their source (or desktop text as text objects).

#include <cstdint>
#include <vector>

// Puts the selection's block on the clipboard (after emptying it). False, with "Too much
// clipboard data" and a beep, when the block cannot be made.
bool CopyToClipboard();
// Puts the selected texts on the clipboard as plain text.
bool CopyTextToClipboard();

// Pastes onto sheet. Returns the number of objects inserted (0 when nothing was pasted, with
// "No clipboard data", "Drawing scale changed!" or a full store reported).
int PasteFromClipboard(int sheet);

// The selection's rectangle as the copy takes it (the selection frame of the selected objects).
void TakeSelectionRectangle();

// The offset of pasted objects from their source, in drawing units.
inline constexpr int kPasteOffset = 200;
// Pasting stops short of a full store.
inline constexpr int kPasteLimit = 7990;
