#include "schemora/workspace/build_part_dialog.h"

#include "platform/app/win_app.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/schemora/part_dialog_ids.h"
#include "schemora/core/app_state.h"

#include <vector>

namespace {

constexpr const char* kBuildProgram = "build";
constexpr int kMaxFileName = 80;

std::string folderWithoutSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    return folder;
}

}  // namespace

CBuildPartDlg::CBuildPartDlg(plat::Wnd* parent) : plat::Dialog(scm::kIddBuildPart, parent)
{
    onNotify(scm::kIdcBuildFiles, plat::kLbnSelChange, &CBuildPartDlg::OnFileChosen);
    onNotify(scm::kIdcBuildFile, plat::kEnChange, &CBuildPartDlg::OnFileTyped);
    onCommand(scm::kIdcBuildEdit, &CBuildPartDlg::OnEdit);
    onCommand(scm::kIdcBuildHelp, &CBuildPartDlg::OnHelp);
}

bool CBuildPartDlg::OnInitDialog()
{
    plat::Control* files = GetDlgItem(scm::kIdcBuildFiles);
    if (files) {
        for (const std::string& file : plat::listFiles(g_folders.libraryFolder + "*.LIB"))
            files->AddString(file);
        if (files->GetCount() > 0)
            SetDlgItemText(scm::kIdcBuildFile, files->GetItemText(0));
    }
    SetDlgItemText(scm::kIdcBuildFolder, folderWithoutSeparator(g_folders.libraryFolder));
    return true;
}

void CBuildPartDlg::OnFileChosen()
{
    const plat::Control* files = GetDlgItem(scm::kIdcBuildFiles);
    if (files && files->GetCurSel() >= 0)
        SetDlgItemText(scm::kIdcBuildFile, files->GetItemText(files->GetCurSel()));
}

void CBuildPartDlg::OnFileTyped()
{
    const std::string typed = GetDlgItemText(scm::kIdcBuildFile, kMaxFileName);
    if (plat::Control* files = GetDlgItem(scm::kIdcBuildFiles); files && !typed.empty())
        files->SelectString(-1, typed);
}

std::optional<std::string> CBuildPartDlg::chosenFile() const
{
    const std::string typed = GetDlgItemText(scm::kIdcBuildFile, kMaxFileName);
    const plat::Control* files = GetDlgItem(scm::kIdcBuildFiles);
    const int at = files && !typed.empty() ? files->FindStringExact(-1, typed) : -1;
    if (at < 0)
        return std::nullopt;
    return g_folders.libraryFolder + files->GetItemText(at);
}

void CBuildPartDlg::OnEdit()
{
    // The viewer does not hold the dialog: it shows the file beside it.
    if (const std::optional<std::string> file = chosenFile())
        plat::uiHost().showTextFile(*file);
    else
        plat::MessageBox("Select a .LIB file of the list", plat::kMbIconInformation);
}

void CBuildPartDlg::OnHelp()
{
    if (plat::WinApp* app = plat::GetApp())
        app->WinHelp(scm::kHelpBuildPart, 1);
}

void CBuildPartDlg::OnOK()
{
    const std::optional<std::string> file = chosenFile();
    if (!file) {
        plat::MessageBox("Select a .LIB file of the list", plat::kMbIconInformation);
        return;
    }
    // The utility beside this program, never one found on the search path.
    const std::string program = plat::joinPath(plat::programFolder(), kBuildProgram);
    if (!plat::uiHost().startProgram(program, std::vector<std::string>{*file}))
        plat::MessageBox("Error: check location of BUILD utility");
    EndDialog(plat::kIdOk);
}
