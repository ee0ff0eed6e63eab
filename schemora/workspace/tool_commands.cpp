// The main frame's drawing-tool commands: each chooses the tool the next press in a drawing
// view uses.
#include "schemora/workspace/main_frame.h"

#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/workspace/library_parts_dialog.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/settings.h"
#include "schemora/core/text_entry.h"
#include "schemora/core/workspace_services.h"
#include "schemora/core/font_choice.h"
#include "schemora/workspace/style_dialogs.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <cctype>
#include <string>

namespace {

// The tools a person can choose here; the regular polygon (299) is the polygon tool's second
// form.
constexpr std::array kTools{scm::kCmdToolText,     scm::kCmdToolBus,  scm::kCmdToolArrow, scm::kCmdToolRectangle,
                            scm::kCmdToolRoundRect, scm::kCmdToolPolygon, scm::kCmdToolLine, scm::kCmdToolEllipse,
                            scm::kCmdToolDot,      scm::kCmdToolArc};

}  // namespace

void CMainFrame::registerToolCommands()
{
    for (unsigned id : kTools) {
        onCommandRange(id, id, &CMainFrame::OnToolCommand);
        onUpdateCommandUI(id, &CMainFrame::OnUpdateToolCommand);
    }
    onCommand(scm::kCmdToolPart, &CMainFrame::OnInsertPart);
    onUpdateCommandUI(scm::kCmdToolPart, &CMainFrame::OnUpdateToolCommand);
    onCommand(scm::kCmdRubberBand, &CMainFrame::OnRubberBand);
    onUpdateCommandUI(scm::kCmdRubberBand, &CMainFrame::OnUpdateRubberBand);
}

void CMainFrame::OnInsertPart()
{
    ResetEditInteraction();
    g_editState.CurrentTool = scm::kCmdToolPart;
    if (!GetActiveDocument())
        return;
    CLibPartsDlg dialog(this);
    if (dialog.DoModal() != plat::kIdOk || g_partSymbols.count == 0 || g_partSymbols.current < 1) {
        g_editState.CurrentTool = 0;
        return;
    }
    // The placeholder prefix is taken from the symbol at each placement.
    g_partPlacement.partText = PlacedPartText(g_libraryChoice.library + "\\" + g_libraryChoice.part);
}

void CMainFrame::OnRubberBand()
{
    g_settings.rubber = g_settings.rubber ? 0 : 1;
    SetStatusTextId(g_settings.rubber ? scm::kStrRubberOn : scm::kStrRubberOff, 0);
}

void CMainFrame::OnUpdateRubberBand(plat::CmdUI& ui)
{
    ui.Enable(GetActiveDocument() != nullptr);
    ui.SetCheck(g_settings.rubber != 0);
}

void CMainFrame::OnToolCommand(unsigned id)
{
    int tool = static_cast<int>(id);
    // With automatic junction dots the program places the dots itself.
    if (id == scm::kCmdToolDot && g_settings.AutoDots != 0)
        tool = 0;
    tool = ChooseToolWithStyle(tool);
    if (g_editState.CurrentTool != tool) {
        ResetEditInteraction();
        g_editState.CurrentTool = tool;
    }
    RedrawActiveFrame();
}

void CMainFrame::OnUpdateToolCommand(plat::CmdUI& ui)
{
    const int id = static_cast<int>(ui.id());
    const int tool = g_editState.CurrentTool;
    ui.Enable(GetActiveDocument() != nullptr || id == scm::kCmdToolArrow || id == scm::kCmdToolRoundRect);
    ui.SetCheck(ToolButtonChecked(id, tool));
}

