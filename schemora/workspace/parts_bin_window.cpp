// Schemora's parts bin (P, Main toolbar): favourite parts by name, added through the Library
// Parts browser and dragged out into the active drawing.
#include "schemora/workspace/parts_bin_window.h"

#include "platform/app/frame_wnd.h"
#include "platform/app/view.h"
#include "platform/app/win_app.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/open_documents.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_previews.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_view.h"
#include "schemora/core/settings.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/library_parts_dialog.h"

namespace {

// The loaded symbol of that name, loading it when it is not (0 when it cannot be loaded).
int resolvePart(const std::string& name)
{
    if (const int symbol = FindLoadedSymbol(name))
        return symbol;
    return LoadLibraryPartByPath(name) == 1 ? g_partSymbols.current : 0;
}

std::optional<std::string> chooseFromLibrary()
{
    CLibPartsDlg dialog(plat::GetMainWnd());
    if (dialog.DoModal() != plat::kIdOk || g_partSymbols.count < 1)
        return std::nullopt;
    const int symbol = g_partSymbols.current;
    if (symbol < 1 || symbol > g_partSymbols.count)
        return std::nullopt;
    return g_partSymbols.entries[static_cast<size_t>(symbol)].name;
}

std::string describe(const std::string& name)
{
    const int symbol = resolvePart(name);
    if (symbol < 1)
        return name;
    const std::string& description = g_partSymbols.entries[static_cast<size_t>(symbol)].description;
    return description.empty() ? name : description;
}

void clearTool()
{
    ResetEditInteraction();
    g_editState.CurrentTool = 0;
}

}  // namespace

CPartsBinDlg::CPartsBinDlg()
    : quill::PartsBinDlg(scm::kIddPartsBin,
                         {{scm::kCmdToolPart, scm::kCmdEditErase, scm::kStrPartsBinFull, scm::kStrSelectPartToDelete, 25},
                          {&g_settings.binParts, &g_settings.binX, &g_settings.binY, &g_settings.binShut,
                           &g_settings.PartsBinHelp, &g_settings.sound},
                          {chooseFromLibrary, describe, PlaceBinPart},
                          {&g_partsBinCells, PaintPartsBinCells, HitTestPartsBin, DrawPartsBinOutline},
                          {&g_openDocs.count, RedrawActiveFrame, clearTool, PlaySoundFile, SetStatusText}})
{
}

CPartsBinDlg& ThePartsBin()
{
    static CPartsBinDlg bin;
    return bin;
}

bool PlaceBinPart(const std::string& name, plat::Point screen)
{
    plat::FrameWnd* frame = plat::GetMainWnd();
    auto* view = frame ? dynamic_cast<CSchemoraView*>(frame->GetActiveView()) : nullptr;
    if (!view || !view->GetDocument())
        return false;
    view->LoadCurrentDocument();
    const int symbol = resolvePart(name);
    if (symbol < 1 || symbol > kMaxPlaceableSymbol)
        return false;
    ChoosePartToPlace(symbol, g_partSymbols.entries[static_cast<size_t>(symbol)].name);
    plat::Point point = screen;
    view->ScreenToClient(&point);
    SnapCursorPoint(point.x, point.y);
    return PlaceChosenPartAt(CursorDrawingPoint()) != 0;
}

void PartsBinOpened()
{
    thePartsBinDlg.open = true;
    g_editState.CurrentTool = 0;
}
