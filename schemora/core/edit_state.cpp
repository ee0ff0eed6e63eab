#include "schemora/core/edit_state.h"

#include "platform/app/wnd.h"
#include "schemora/core/app_state.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/workspace_services.h"

CursorState g_cursor;
MouseEditState g_mouseEdit;
SelectionState g_selection;
EditWindow g_editWindow;
EditHooks g_editHooks;

int CurrentDrawingLayer() { return g_sheetView.layerFilter; }

int CurrentEditSheet() { return thePartEditor ? 1 : g_sheetView.currentSheet; }

void ResetEditInteraction()
{
    g_editState.selectionCount = 0;
    const SelectionState fresh;
    const int filter = g_selection.filterId;
    g_selection = fresh;
    g_selection.filterId = filter;
    const bool textEntry = g_mouseEdit.textEntry;
    g_mouseEdit = MouseEditState{};
    g_mouseEdit.textEntry = textEntry;
}

void RedrawEditWindow()
{
    if (g_editWindow.view && g_editWindow.view->IsWindow())
        g_editWindow.view->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    else
        RedrawActiveFrame();
}

void RefreshDotsAfterEdit()
{
    if (g_editHooks.refreshDotsAfterEdit)
        g_editHooks.refreshDotsAfterEdit();
}
