// Tracelyn's parts bin (P, Main toolbar): favourite packages by name, added through the Library
// Parts browser and dragged out onto the active board.
#include "tracelyn/workspace/parts_bin_window.h"

#include "platform/app/win_app.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/mouse_edit.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/parts_bin_cells.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/workspace/active_board.h"
#include "tracelyn/workspace/edit_dialogs.h"

namespace {

// The loaded package of that name, loading it when it is not (0 when it cannot be loaded).
int resolvePackage(const std::string& name)
{
    if (const int package = FindLoadedPackage(name))
        return package;
    return LoadLibraryPartByPath(name) != 0 ? g_packages.current : 0;
}

bool validPackage(int package) { return package >= 1 && package <= g_packages.count; }

std::optional<std::string> chooseFromLibrary()
{
    CLibPartsDlg dialog;
    if (dialog.DoModal() != plat::kIdOk || !validPackage(g_packages.current))
        return std::nullopt;
    return g_packages.defs[static_cast<size_t>(g_packages.current)].name;
}

std::string describe(const std::string& name)
{
    const int package = resolvePackage(name);
    if (!validPackage(package))
        return name;
    const std::string& comment = g_packages.defs[static_cast<size_t>(package)].comment;
    const std::string firstLine = comment.substr(0, comment.find('\n'));
    return firstLine.empty() ? name : firstLine;
}

void clearTool() { g_gesture.tool = kToolNone; }

}  // namespace

CPartsBinDlg::CPartsBinDlg()
    : quill::PartsBinDlg(tly::kIddPartsBin,
                         {{tly::kCmdToolPart, tly::kCmdErase, tly::kStrPartsBinFull, tly::kStrSelectPartToDelete, 20},
                          {&g_boardSettings.binParts, &g_boardSettings.binX, &g_boardSettings.binY, &g_boardSettings.shut,
                           &g_boardSettings.PartsBinHelp, &g_boardSettings.sound},
                          {chooseFromLibrary, describe, PlaceBinPackage},
                          {&g_partsBinCells, PaintPartsBinCells, HitTestPartsBin, DrawPartsBinOutline},
                          {&g_openDocuments.count, RedrawActiveFrame, clearTool, PlaySoundFile, SetStatusText}})
{
}

CPartsBinDlg& ThePartsBin()
{
    static CPartsBinDlg bin;
    return bin;
}

bool ClosePartsBinWindow()
{
    CPartsBinDlg& bin = ThePartsBin();
    if (!bin.isOpen())
        return false;
    bin.Close();
    return true;
}

bool PlaceBinPackage(const std::string& name, plat::Point screen)
{
    plat::FrameWnd* frame = plat::GetMainWnd();
    // A part the view is placing already is not joined by a second one.
    if (!frame || g_gesture.newObject != 0)
        return false;
    CTracelynView* view = ActiveBoardView(*frame);
    if (!view)
        return false;
    const int package = resolvePackage(name);
    if (!validPackage(package) || package > kMaxPartPackage)
        return false;
    g_gesture.tool = kToolPart;
    g_packages.current = package;
    plat::Point point = screen;
    view->ScreenToClient(&point);
    SetCursorFromPixels(point.x, point.y);
    UpdateCursorBoardPoint();
    const int placed = PlacePackageAt(package, g_gesture.boardX, g_gesture.boardY);
    g_selection.count = 0;
    g_gesture.multi = false;
    return placed != 0;
}
