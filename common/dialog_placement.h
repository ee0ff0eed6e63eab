#pragma once
// Where the style dialogs of both editors open: at the last click in a drawing window (a view
// or a library editor's drawing area), so the dialog comes up under the person's hand instead
// of in the middle of the screen. The drawing windows note each press; a dialog places itself
// from its OnInitDialog.

#include "platform/gdi/gdi_types.h"

namespace plat {
class Wnd;
}

namespace quill {

// The last press of a mouse button in a drawing window, in screen pixels.
struct LastClick {
    bool known = false;
    plat::Point screen;
};
extern LastClick g_lastClick;

// Notes a press at client point `client` of `window`.
void NoteLastClick(const plat::Wnd& window, plat::Point client);

// Moves `dialog` (from its OnInitDialog) so that its top left corner stands `right` pixels
// right of the last click; nothing when no click is known yet. The window is kept on the screen.
void OpenAtLastClick(plat::Wnd& dialog, int right = 0);

}  // namespace quill
