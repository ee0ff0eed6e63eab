#include "tracelyn/workspace/child_frame.h"

#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_services.h"

// The selection holds indexes into this board's store; no later command may act on them.
void CChildFrame::OnDestroy()
{
    g_selection.count = 0;
    ClearSelectionModes();
    quill::MaximisedChildFrame::OnDestroy();
}
