#pragma once
// Copy and paste of board objects through the clipboard format "TLYN", between board windows
// and between running board programs.

inline constexpr int kPasteOffset = 5000;   // pasted objects land 500 mils off their source
inline constexpr int kPasteBandOffset = 500;

// Puts the selected objects on the clipboard (the outline stays behind); returns how many went,
// or -1 with "Too much clipboard data" when the block would be too large.
int CopyToClipboard();

// Appends the clipboard's board objects to the current store as the new selection, one undo
// step. "No clipboard data" when there is no board block (or it does not read whole);
// "Drawing scale changed!" in the status line when it was copied at another zoom; at a full
// store "Database FULL--objects not loaded" and as many objects as fit. Returns the count.
int PasteFromClipboard();
