// File > Save As for a board: the board file, or the board's drawing as DXF when that type is
// chosen or the name ends in ".dxf".
#include "tracelyn/core/tracelyn_doc.h"

#include "platform/app/command_ids.h"
#include "platform/core/ui_host.h"
#include "platform/system/paths.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/manufacturing_services.h"

namespace {

constexpr int kFilterDxf = 2;
constexpr const char* kSaveAsFilter = "Tracelyn Files (*.tlz)|*.tlz|AutoCAD (*.dxf)|*.dxf|All Files (*.*)|*.*||";

}  // namespace

void CTracelynDoc::registerSaveAs()
{
    onCommand(plat::kIdFileSaveAs, &CTracelynDoc::OnFileSaveAsByKind);
}

void CTracelynDoc::OnFileSaveAsByKind()
{
    plat::FileDialogRequest request;
    request.open = false;
    request.filter = kSaveAsFilter;
    request.defaultName = GetTitle();
    const plat::FileDialogResult result = plat::uiHost().fileDialog(request);
    if (result.path.empty())
        return;
    if (plat::hasExtension(result.path, ".DXF") || result.filterIndex == kFilterDxf) {
        std::string path = result.path;
        if (plat::extensionOf(path).empty())
            path += ".dxf";
        LoadBoardGlobals(data_);
        ExportBoardDxf(path);
        return;
    }
    std::string path = result.path;
    if (plat::extensionOf(path).empty())
        path += ".tlz";
    DoSave(path);
}
