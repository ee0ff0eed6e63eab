#pragma once
// Typing text straight into the board: the text tool starts a new text at the click or reopens
// the text under it, and the keys edit it in place until Esc. A reopened text is edited where
// it lies; no other object moves and the count stays as it is.

#include "platform/gdi/gdi_types.h"

namespace plat { class Dc; }

// The longest text typing makes; texts from files or the clipboard may be longer.
inline constexpr int kMaxTypedText = 199;

// Starts an entry at the cursor (CursorBoardPoint): reopens the first upright text there on an
// editable layer, else appends a new text (one appended undo step).
void StartTextEntry();
// One key of an entry (a virtual-key code); insert or overtype by the entry's mode.
void HandleEditKey(unsigned key);
// Ends the entry as Esc does: an empty line is taken away, the text painted.
void EndTextEntry();
// Whether text is being typed.
bool TextEntryActive();
// The caret of the entry, drawn after each paint of the board.
void DrawTextCaret(plat::Dc& dc);
// The frame round the text being typed: its box grown by 60 on each side, in cursor space
// (logical units from the window's top left, as CursorPoint). Empty when none is typed.
plat::Rect TextEntryFrame();
// Draws that frame inverted (a second drawing takes it away); painted after the caret.
void DrawTextFrame(plat::Dc& dc);
// Insert (true) or overtype, as the Insert key last set it; every entry starts in that mode.
bool TextEntryInsertMode();
void SetTextEntryInsertMode(bool insert);
// The text being typed (its object index), 0 when none.
int TextEntryObject();
