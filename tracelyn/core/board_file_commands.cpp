#include "tracelyn/core/board_file_commands.h"

#include "platform/app/file_dialog_folder.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "platform/core/ui_host.h"
#include "platform/system/paths.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_file_kinds.h"
#include "tracelyn/core/board_file_v4.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/manufacturing_services.h"
#include "tracelyn/core/tracelyn_doc.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int kDumpDocuments = 3;

unsigned long addressOf(const void* p)
{
    return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(p));
}

}  // namespace

void ImportDxfIntoBoard(const std::string& path)
{
    if (g_active.document == nullptr || g_board.objects == nullptr) {
        plat::MessageBox(kDxfWithoutBoardMessage);
        return;
    }
    if (ImportBoardDxf(path) > 0) {
        g_active.document->SetModifiedFlag(true);
        RedrawActiveFrame();
    }
}

void OpenBoardFileByKind()
{
    plat::FileDialogRequest request;
    request.open = true;
    request.filter = kOpenFilter;
    request.initialFolder = plat::FileDialogFolder();
    const plat::FileDialogResult chosen = plat::uiHost().fileDialog(request);
    if (chosen.path.empty())
        return;
    switch (BoardOpenKindOf(chosen.path)) {
    case BoardOpenKind::TextFile:
        plat::uiHost().showTextFile(chosen.path);
        return;
    case BoardOpenKind::Dxf:
        ImportDxfIntoBoard(chosen.path);
        return;
    case BoardOpenKind::Board:
        break;
    }
    plat::WinApp* app = plat::GetApp();
    if (app == nullptr || app->OpenDocumentFile(chosen.path) == nullptr || g_board.count < 0) {
        plat::MessageBox("File Error");
        // Without a board the current state is emptied; a board that is open stays current as it
        // was, or the next edit would write over its first objects.
        if (g_board.objects == nullptr || g_board.count < 0) {
            g_board.count = 0;
            g_board.sizeLetter = 'A';
        }
    }
}

void SaveBoardAs(CTracelynDoc& document)
{
    plat::FileDialogRequest request;
    request.open = false;
    request.filter = kSaveAsFilter;
    request.initialFolder = plat::FileDialogFolder(&document);
    const plat::FileDialogResult chosen = plat::uiHost().fileDialog(request);
    if (chosen.path.empty())
        return;
    if (chosen.filterIndex == kSaveAsDxf || BoardOpenKindOf(chosen.path) == BoardOpenKind::Dxf) {
        std::string path = chosen.path;
        if (plat::extensionOf(path).empty())
            path += ".dxf";
        LoadBoardGlobals(document.data());
        ExportBoardDxf(path);
        return;
    }
    const std::string path = BoardOpenPath(chosen.path);
    if (chosen.filterIndex == kSaveAsV4) {
        LoadBoardGlobals(document.data());
        SaveBoardV4(path, kV4ModeEarlier);
        return;
    }
    document.DoSave(path, true);
}

void CloseAllBoards()
{
    plat::WinApp* app = plat::GetApp();
    if (app != nullptr && app->SaveAllModified())
        app->CloseAllDocuments(false);
}

std::string DiagnosticDumpText()
{
    std::string text;
    char line[512];
    int shown = 0;
    for (const OpenDocumentEntry& entry : g_openDocuments.entries) {
        if (entry.name.empty() || shown >= kDumpDocuments)
            continue;
        ++shown;
        const BoardDocumentData* data = entry.document ? &entry.document->data() : nullptr;
        std::snprintf(line, sizeof line, "[%d] %.300s---pc=%d, pic=%lx\n", shown, entry.name.c_str(),
                      data ? data->objectCount : 0,
                      addressOf(data && data->objects ? data->objects->data() : nullptr));
        text += line;
    }
    plat::MDIFrameWnd* main = dynamic_cast<plat::MDIFrameWnd*>(plat::GetMainWnd());
    plat::Rect r;
    if (main != nullptr)
        main->GetWindowRect(&r);
    std::snprintf(line, sizeof line, "x1=%d,x2=%d,y1=%d,y2=%d\n", r.left, r.right, r.top, r.bottom);
    text += line;
    std::snprintf(line, sizeof line, "pMainWnd=%lx, menu=%lx, cWin=%lx", addressOf(main),
                  addressOf(main ? main->GetMenu() : nullptr), addressOf(main ? main->MDIGetActive() : nullptr));
    text += line;
    return text;
}
