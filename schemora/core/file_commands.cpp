#include "schemora/core/file_commands.h"

#include "platform/app/command_ids.h"
#include "platform/app/doc_template.h"
#include "platform/app/file_dialog_folder.h"
#include "platform/app/win_app.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/schemora/file_resources.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/dxf_export.h"
#include "schemora/core/dxf_import.h"
#include "schemora/core/file_kinds.h"
#include "schemora/core/printout_settings_dialog.h"
#include "schemora/core/schemora_app.h"
#include "schemora/core/schemora_doc.h"
#include "resources/schemora/schemora_ids.h"

#include <string>

namespace {

// A name the file dialog did not show the person may belong to another file: ask first.
bool mayReplace(const std::string& chosen, const std::string& target)
{
    if (target == chosen || !plat::fileExists(target))
        return true;
    const std::string question = plat::fileNameOf(target) + " already exists.\nDo you want to replace it?";
    return plat::MessageBox(question, plat::kMbYesNo | plat::kMbIconExclamation) == plat::kIdYes;
}

}  // namespace

void MakeDocumentCurrent(CSchemoraDoc& doc)
{
    DrawingDocData& data = doc.data();
    g_current.objects = data.objects.slots();
    g_current.count = data.objectCount;
    g_current.sheetSize = static_cast<char>(data.sheetSize);
    g_current.activeDocument = &doc;
}

bool SaveDrawingAs(CSchemoraDoc& doc, std::string_view path, int mode)
{
    const std::string chosen(path);
    const std::string target = plat::replaceExtension(chosen, ".pic");
    if (!mayReplace(chosen, target))
        return false;
    MakeDocumentCurrent(doc);
    const std::string resolved = plat::resolvePath(target);
    plat::Archive archive(plat::Archive::Mode::Store, {}, resolved);
    WriteDrawing(doc.data(), archive, mode, target);
    if (const plat::WriteResult written = plat::writeFileAtomically(resolved, archive.bytes()); !written) {
        plat::MessageBox(written.message("Unable to open file " + target));
        return false;
    }
    return true;
}

bool OpenFileByKind(std::string_view path)
{
    const std::string name(path);
    switch (OpenKindOf(name)) {
    case OpenKind::TextViewer: return plat::uiHost().showTextFile(name);
    case OpenKind::Dxf: return ImportDxfIntoNewDrawing(name);
    case OpenKind::Drawing: break;
    }
    plat::WinApp* app = plat::GetApp();
    return app && app->OpenDocumentFile(name) != nullptr;
}

bool CSchemoraApp::openCommandLineFile(const std::string& path) { return OpenFileByKind(path); }

void CSchemoraApp::OnFileOpenByKind()
{
    plat::FileDialogRequest request;
    request.open = true;
    request.filter = std::string(kOpenFilter);
    request.initialFolder = plat::FileDialogFolder();
    const plat::FileDialogResult result = plat::uiHost().fileDialog(request);
    if (!result.path.empty())
        OpenFileByKind(result.path);
}

void CSchemoraApp::OnCloseAllWindows()
{
    // A Cancel in a save prompt keeps every window open.
    if (!SaveAllModified())
        return;
    CloseAllDocuments(false);
}

void CSchemoraApp::OnHelpContents() { WinHelp(0, 3); }

void CSchemoraApp::OnPrintoutSettings()
{
    CPrintoutSettingsDlg dialog;
    dialog.DoModal();
}

void CSchemoraDoc::OnFileSaveAsByKind()
{
    plat::FileDialogRequest request;
    request.open = false;
    request.filter = std::string(kSaveAsFilter);
    request.defaultName = GetTitle();
    request.initialFolder = plat::FileDialogFolder(this);
    const plat::FileDialogResult result = plat::uiHost().fileDialog(request);
    if (result.path.empty())
        return;
    switch (SaveAsKindOf(result.path, result.filterIndex)) {
    case SaveAsKind::Dxf: MakeDocumentCurrent(*this); ExportDxf(result.path); return;
    case SaveAsKind::Encapsulated: SaveDrawingAs(*this, result.path, kWriteDrawing); return;
    case SaveAsKind::PreviousVersion: SaveDrawingAs(*this, result.path, kWritePreviousVersion); return;
    case SaveAsKind::Drawing: break;
    }
    std::string path = result.path;
    if (plat::extensionOf(path).empty()) {
        path += ".pic";
        if (!mayReplace(result.path, path))
            return;
    }
    if (OnSaveDocument(path))
        SetPathName(path);
}

void CSchemoraDoc::OnDisplayMark() { g_editState.CurrentTool = scm::kCmdDisplayMark; }

void CSchemoraDoc::OnHelpContents()
{
    if (plat::WinApp* app = plat::GetApp())
        app->WinHelp(0, 3);
}

void CSchemoraDoc::registerFileCommands()
{
    onCommand(plat::kIdFileSaveAs, &CSchemoraDoc::OnFileSaveAsByKind);
    onUpdateCommandUI(plat::kIdFileSave, &CSchemoraDoc::OnUpdateFileSave);
    onCommand(scm::kCmdDisplayMark, &CSchemoraDoc::OnDisplayMark);
    // The frame's own F1 handler does nothing; with a drawing open, Help > Contents opens the index.
    onCommand(scm::kCmdHelpContentsItem, &CSchemoraDoc::OnHelpContents);
    onCommand(scm::kCmdHelpContents, &CSchemoraDoc::OnHelpContents);
}

void CSchemoraApp::registerFileCommands()
{
    onCommand(plat::kIdFileOpen, &CSchemoraApp::OnFileOpenByKind);
    onCommand(scm::kCmdCloseAllWindows, &CSchemoraApp::OnCloseAllWindows);
    onCommand(scm::kCmdHelpContentsItem, &CSchemoraApp::OnHelpContents);
    onCommand(scm::kCmdPrintoutSettings, &CSchemoraApp::OnPrintoutSettings);
}
