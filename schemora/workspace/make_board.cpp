#include "schemora/workspace/make_board.h"

#include "platform/app/resources.h"
#include "platform/app/win_app.h"
#include "platform/core/input_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/schemora/board_resources.h"
#include "schemora/core/design_name.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/netlist/netlist_builder.h"
#include "schemora/workspace/main_frame.h"

MakeBoardChoice g_makeBoard;

namespace {

constexpr const char* kPlaceProgram = "place";
constexpr const char* kBoardProgram = "tracelyn";
constexpr const char* kPlaceFailed = "Can't execute place utility";
constexpr const char* kBoardProgramFailed = "Can't start the board program.";
constexpr const char* kUntitledDrawing = "Save the drawing before making its board.";
constexpr const char* kBoardUnsaved =
    "The board %s is open in Tracelyn with changes that are not saved.\nSave or close it there, then make the board again.";
constexpr const char* kBoardBusy = "Tracelyn is busy with the board %s.\nFinish there, then make the board again.";
constexpr const char* kBoardNotReloaded = "Tracelyn could not read the new board %s.";
// The placement program may show its report and wait for it to be read.
constexpr unsigned kPlaceTimeLimitMs = 30 * 60 * 1000;
constexpr size_t kShortArtworkName = 8;

std::string programPath(const char* name) { return plat::joinPath(plat::programFolder(), name); }

bool writeNetlist(int sheetCount)
{
    CNetlistBuilder builder;
    builder.m_kind = kNetlistPlain;
    builder.m_basicFormat = 1;
    builder.m_range = kRangeAllSheets;
    builder.m_sheetCount = sheetCount;
    return builder.GenerateNetlist() == 1;
}

std::string withBoard(const char* text, const std::string& board)
{
    std::string out = text;
    out.replace(out.find("%s"), 2, board);
    return out;
}

// Whether the board may be placed anew, as the board program holding it answers; says why not.
bool boardFreeToPlace(plat::DocumentOwnerAnswer holder, const std::string& board)
{
    switch (holder) {
    case plat::DocumentOwnerAnswer::Unsaved: plat::MessageBox(withBoard(kBoardUnsaved, board), plat::kMbIconStop); return false;
    case plat::DocumentOwnerAnswer::Busy: plat::MessageBox(withBoard(kBoardBusy, board), plat::kMbIconStop); return false;
    case plat::DocumentOwnerAnswer::Failed: plat::MessageBox(withBoard(kBoardNotReloaded, board), plat::kMbIconStop); return false;
    default: return true;
    }
}

// Shows the placed board: the window that holds it reads it again, else the board program
// starts on it.
bool showPlacedBoard(plat::DocumentOwnerAnswer holder, const std::string& board)
{
    if (holder != plat::DocumentOwnerAnswer::NotOpen) {
        holder = plat::uiHost().askDocumentOwner(board, plat::DocumentOwnerRequest::Reload);
        if (holder == plat::DocumentOwnerAnswer::Reloaded)
            return true;
        // Closed meanwhile: it opens afresh below.
        if (holder != plat::DocumentOwnerAnswer::NotOpen) {
            boardFreeToPlace(holder, board);
            return false;
        }
    }
    if (!plat::uiHost().startProgram(programPath(kBoardProgram), {board})) {
        plat::MessageBox(kBoardProgramFailed, plat::kMbIconStop);
        return false;
    }
    return true;
}

}  // namespace

std::string DefaultArtworkName(std::string_view schematicPath)
{
    std::string name = plat::replaceExtension(schematicPath, "");
    if (name.size() < kShortArtworkName)
        name += "#";
    return name;
}

std::string ArtworkBoardPath(const MakeBoardChoice& choice)
{
    if (choice.useExisting || !plat::extensionOf(choice.artwork).empty())
        return choice.artwork;
    return choice.artwork + ".tlz";
}

CMakePcbDlg::CMakePcbDlg(plat::Wnd* parent, std::string schematicPath)
    : plat::Dialog(scm::kIddMakeBoard, parent), schematic_(std::move(schematicPath)),
      defaultName_(DefaultArtworkName(schematic_))
{
}

bool CMakePcbDlg::OnInitDialog()
{
    SetDlgItemText(scm::kIdcBoardSchematic, schematic_);
    const bool existing = g_makeBoard.useExisting != 0;
    CheckRadioButton(scm::kIdcBoardGenerate, scm::kIdcBoardExisting,
                     existing ? scm::kIdcBoardExisting : scm::kIdcBoardGenerate);
    CheckDlgButton(scm::kIdcBoardNewNetlist, g_makeBoard.newNetlist);
    enableName(existing);
    return true;
}

void CMakePcbDlg::enableName(bool existing)
{
    std::string shown = defaultName_;
    if (existing) {
        // The stored artwork name, as the board file it names.
        shown = g_makeBoard.artwork.empty() ? defaultName_ : g_makeBoard.artwork;
        if (plat::extensionOf(shown).empty())
            shown += ".tlz";
    }
    SetDlgItemText(scm::kIdcBoardName, shown);
    EnableDlgItem(scm::kIdcBoardName, existing);
    EnableDlgItem(scm::kIdcBoardBrowse, existing);
}

bool CMakePcbDlg::OnCommand(unsigned id)
{
    switch (id) {
    case scm::kIdcBoardGenerate:
    case scm::kIdcBoardExisting:
        enableName(id == scm::kIdcBoardExisting);
        return true;
    case scm::kIdcBoardBrowse: {
        plat::FileDialogRequest request;
        request.filter = plat::LoadString(scm::kStrBoardFilePrompt);
        request.initialFolder = plat::folderOf(schematic_);
        const plat::FileDialogResult chosen = plat::uiHost().fileDialog(request);
        if (!chosen.path.empty())
            SetDlgItemText(scm::kIdcBoardName, chosen.path);
        return true;
    }
    case scm::kIdcBoardHelp:
        if (plat::WinApp* app = plat::GetApp())
            app->WinHelp(0x20000 + scm::kIddMakeBoard, 1);
        return true;
    default:
        return plat::Dialog::OnCommand(id);
    }
}

void CMakePcbDlg::OnOK()
{
    g_makeBoard.schematic = schematic_;
    g_makeBoard.useExisting = GetCheckedRadioButton(scm::kIdcBoardGenerate, scm::kIdcBoardExisting) ==
                              scm::kIdcBoardExisting;
    g_makeBoard.artwork = g_makeBoard.useExisting ? GetDlgItemText(scm::kIdcBoardName) : defaultName_;
    g_makeBoard.newNetlist = IsDlgButtonChecked(scm::kIdcBoardNewNetlist) != 0;
    plat::Dialog::OnOK();
}

bool MakeBoardFromDrawing(const MakeBoardChoice& choice, int sheetCount)
{
    if (choice.schematic.empty()) {
        plat::MessageBox(kUntitledDrawing, plat::kMbIconStop);
        return false;
    }
    const std::string netlist = plat::replaceExtension(choice.schematic, ".net");
    const std::string references = plat::replaceExtension(choice.schematic, ".ref");
    const std::string board = ArtworkBoardPath(choice);
    if (choice.useExisting && !plat::fileExists(board)) {
        // A folder or pipe of the board's name is there, but is no board: said by its kind.
        plat::MessageBox(plat::pathExists(board) ? plat::notAFileText(plat::resolvePath(board)) : "File " + board + " not found",
                         plat::kMbIconStop);
        return false;
    }
    // One window per board: a board open with changes of its own is not placed over.
    const plat::DocumentOwnerAnswer holder = plat::uiHost().askDocumentOwner(board, plat::DocumentOwnerRequest::State);
    if (!boardFreeToPlace(holder, board))
        return false;
    if (choice.newNetlist || !plat::fileExists(netlist) || !plat::fileExists(references)) {
        g_designName.text = choice.schematic;
        if (!writeNetlist(sheetCount))
            return false;
    }
    const int placed = plat::uiHost().runProgram(programPath(kPlaceProgram), {references, netlist, board},
                                                 kPlaceTimeLimitMs);
    if (placed < 0) {
        plat::MessageBox(kPlaceFailed, plat::kMbIconStop);
        return false;
    }
    if (placed != 0)
        return false;   // the placement program has said why
    return showPlacedBoard(holder, board);
}

void CMainFrame::OnMakeBoard()
{
    auto* doc = static_cast<CSchemoraDoc*>(GetActiveDocument());
    if (!doc)
        return;
    CMakePcbDlg dialog(this, doc->GetPathName());
    if (dialog.DoModal() == plat::kIdOk)
        MakeBoardFromDrawing(g_makeBoard, doc->data().numberOfSheets);
}

void CMainFrame::registerBoardCommands()
{
    onDocumentCommand(scm::kCmdMakeBoard, &CMainFrame::OnMakeBoard);
}
