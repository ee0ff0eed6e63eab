#pragma once
// Texts typed into the drawing: the text tool's click opens the text under the cursor or starts
// a new one there; keys then edit that line (Home, End, arrows, Backspace, Delete, Insert for
// overtype or insert), Enter starts the next line one text height lower, Esc ends.
//
// The line being edited stays where it is in the store (the count is never lowered), so a
// save or close in the middle writes every object. Undo: a new line records an appended step
// when it is made (Enter lines too); a line left empty is removed and only its own step is
// taken back. Opening an existing text records a snapshot of it (withdrawn again when the text
// is left as it was), so one edit is one undo step.

#include <string>

namespace plat {
class Dc;
struct Point;
}

struct TextEntryState {
    bool active = false;
    bool editingExisting = false;
    bool insertMode = false;      // false: overtype; kept between lines and sessions
    bool ownStep = false;         // the line's object was appended with an undo step of its own
    int index = 0;                // the text object being edited
    int caret = 0;
    int anchorX = 0, anchorY = 0;
    int style = 0;
    std::string line;
    std::string original;         // an existing text's string when it was opened
};
extern TextEntryState g_textEntry;

// The longest line typing makes (stored texts may be longer; they are edited whole).
inline constexpr int kMaxTypedLine = 199;

// Mode 1: begins at the cursor point (opens the text there, or starts a new one).
void BeginTextEntry(plat::Dc& dc);
// Mode 2: one key (a virtual-key code) while typing. Returns true when the key was taken.
bool HandleTextKey(plat::Dc& dc, unsigned vk);
// One typed character; control characters are not inserted.
void HandleTextChar(plat::Dc& dc, unsigned ch);
// Esc: finishes the line and ends text entry (also on a click elsewhere, focus loss, a save).
void EndTextEntry(plat::Dc* dc);
bool TextEntryActive();
// True while typing when drawing point p lies outside the frame of the line being typed
// ("Automatic Text Exit" then ends the typing as Esc does).
bool OutsideTypedText(plat::Point p);
// Draws the caret of the line being edited (after a repaint).
void DrawTextCaret(plat::Dc& dc);
