// The view's Copy, Copy Text and Paste: the clipboard exchange of clipboard_exchange.h with the
// selection marks taken off first and the view repainted after.
#include "schemora/core/schemora_view.h"

#include "platform/app/wnd.h"
#include "platform/core/ui_host.h"
#include "platform/app/window_picture.h"
#include "resources/schemora/view_command_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/clipboard_exchange.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_state.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace scm;

void CSchemoraView::registerClipboardCommands()
{
    onCommand(kCmdEditCopy, &CSchemoraView::OnEditCopy);
    onCommand(kCmdEditCopyText, &CSchemoraView::OnEditCopyText);
    onCommand(kCmdEditPaste, &CSchemoraView::OnEditPaste);
    for (unsigned id : {kCmdEditCopy, kCmdEditCopyText, kCmdEditScale})
        addUpdate(id, id, [](plat::CmdUI& ui) { ui.Enable(g_editState.selectionCount >= 1); });
}

// The picture of the copied area, for programs that take pictures.
void CSchemoraView::copyViewAsBitmap(const plat::Rect& area)
{
    plat::ClientDC source(this);
    OnPrepareDC(source);
    plat::CopyWindowPixelsToClipboard(source, source->LPtoDP(area));
}

void CSchemoraView::dropSelectionAfterCopy(const char* format, int n)
{
    char text[80];
    std::snprintf(text, sizeof text, format, n);
    SetStatusText(text, 0);
    g_editState.selectionCount = 0;
    g_selection.frameShown = false;
    g_selection.windowMode = false;
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void CSchemoraView::OnEditCopy()
{
    if (g_editState.selectionCount < 1)
        return;
    LoadCurrentDocument();
    g_editWindow.view = this;
    const int n = g_editState.selectionCount;
    // The picture shows the drawing without the selection's marks.
    g_mouseEdit.handlesHidden = true;
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    g_mouseEdit.handlesHidden = false;
    if (CopyToClipboard())
        copyViewAsBitmap(g_selection.frame);
    dropSelectionAfterCopy("Sent %d objects to clipboard", n);
}

void CSchemoraView::OnEditCopyText()
{
    if (g_editState.selectionCount < 1)
        return;
    LoadCurrentDocument();
    const int n = g_editState.selectionCount;
    CopyTextToClipboard();
    dropSelectionAfterCopy("Copied %d text object(s) to clipboard", n);
}

void CSchemoraView::OnEditPaste()
{
    LoadCurrentDocument();
    g_editWindow.view = this;
    ResetEditInteraction();
    const int n = PasteFromClipboard(g_sheetView.currentSheet);
    if (CSchemoraDoc* doc = GetDocument()) {
        doc->data().viewCentreX = g_current.viewCentreX;
        doc->data().viewCentreY = g_current.viewCentreY;
    }
    if (n > 0)
        RefreshDotsAfterEdit();
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}
