// The frame's manufacturing commands: File > Generate Manufacturing Files, File > Import >
// Gerber and AutoCAD (DXF), View > View DCODES.
#include "tracelyn/workspace/main_frame.h"

#include "platform/app/document.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "tracelyn/core/board_file_commands.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/route/dcodes_dialog.h"
#include "tracelyn/route/gerber_import.h"
#include "tracelyn/route/manufacturing_dialog.h"
#include "tracelyn/route/photoplot_files.h"
#include "tracelyn/workspace/select_layer_dialog.h"

#include <string>

void CMainFrame::addManufacturingCommands()
{
    onDocumentCommand(tly::kCmdGenerateManufacturing, &CMainFrame::OnGenerateManufacturing);
    onDocumentCommand(tly::kCmdImportGerber, &CMainFrame::OnImportGerber);
    onDocumentCommand(tly::kCmdImportDxf, &CMainFrame::OnImportDxf);
    onDocumentCommand(tly::kCmdViewDcodes, &CMainFrame::OnViewDcodes);
}

void CMainFrame::OnGenerateManufacturing()
{
    plat::Document* document = GetActiveDocument();
    if (document == nullptr || g_board.objects == nullptr)
        return;
    CManufacturingDlg dialog;
    if (dialog.DoModal() != plat::kIdOk)
        return;
    // An untitled board's files go into the current folder under its title.
    std::string path = document->GetPathName();
    if (path.empty())
        path = plat::joinPath(plat::currentFolder(), document->GetTitle().empty() ? "untitled" : document->GetTitle());
    const ManufacturingResult result = WriteManufacturingFiles(path, g_gerberLayers, dialog.m_drill != 0);
    if (!result.ok)
        return;
    std::string text = "Wrote " + std::to_string(result.written.size()) + " manufacturing files:";
    for (const std::string& file : result.written)
        text += "\n" + plat::fileNameOf(file);
    plat::MessageBox(text);
}

void CMainFrame::OnImportGerber()
{
    if (GetActiveDocument() == nullptr || g_board.objects == nullptr)
        return;
    plat::FileDialogRequest request;
    request.open = true;
    request.filter = "Gerber (*.gbr)|*.gbr;*.gtl;*.gbl;*.gto;*.gbo;*.gts;*.gbs;*.pho|All Files (*.*)|*.*|";
    const plat::FileDialogResult chosen = plat::uiHost().fileDialog(request);
    if (chosen.path.empty())
        return;
    CSelectLayerDlg layer;
    if (layer.DoModal() != plat::kIdOk)
        return;
    const int added = ImportGerberFile(chosen.path, layer.m_layer);
    if (added > 0) {
        SetStatusText("Imported " + std::to_string(added) + " Gerber elements", 0);
        RedrawActiveFrame();
    }
}

void CMainFrame::OnImportDxf()
{
    plat::FileDialogRequest request;
    request.open = true;
    request.filter = "AutoCAD (*.dxf)|*.dxf|All Files (*.*)|*.*|";
    const plat::FileDialogResult chosen = plat::uiHost().fileDialog(request);
    if (!chosen.path.empty())
        ImportDxfIntoBoard(chosen.path);
}

void CMainFrame::OnViewDcodes()
{
    CDcodesDlg dialog;
    dialog.DoModal();
}
