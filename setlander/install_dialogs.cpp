#include "setlander/install_dialogs.h"

#include "platform/app/win_constants.h"
#include "platform/core/input_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/setlander/setlander_ids.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>

using namespace stl;

namespace {

// The agreement edit shows at most this much of "Agree.txt".
constexpr size_t kAgreementBytes = 1999;

std::string readAgreement()
{
    const std::string path = plat::resolvePath(plat::joinPath(plat::currentFolder(), "Agree.txt"));
    plat::InputFile::Failure failure = plat::InputFile::Failure::None;
    std::optional<std::string> text = plat::readFileStart(path, kAgreementBytes, &failure);
    if (failure == plat::InputFile::Failure::NotAFile)
        plat::MessageBox(plat::notAFileText(path), plat::kMbIconExclamation);
    return text.value_or(std::string());
}

}  // namespace

std::string InstallFolderProblem(std::string_view folder, size_t maxLength)
{
    if (folder.empty())
        return "Please enter the folder to install into.";
    if (!plat::isAbsolutePath(folder))
        return "Please enter a full folder path, beginning with /.";
    if (folder.size() > maxLength)
        return "The folder name is too long: at most " + std::to_string(maxLength) + " characters.";
    return {};
}

std::vector<std::string> ListSubdirs(const std::string& path)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(path, std::filesystem::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.empty() && name[0] != '.' && it->is_directory(ec))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), plat::lessNoCaseStable);
    return names;
}

int CountSubdirs(const std::string& path) { return static_cast<int>(ListSubdirs(path).size()); }

// ---- welcome ----

CWelcomeDlg::CWelcomeDlg(std::string appName) : plat::Dialog(kIddWelcome), appName_(std::move(appName)) {}

bool CWelcomeDlg::OnInitDialog()
{
    SetWindowText(appName_);
    return true;
}

// ---- agreement ----

CAgreementDlg::CAgreementDlg() : plat::Dialog(kIddAgreement) { onCommand(kIdcAgree, &CAgreementDlg::OnAgree); }

bool CAgreementDlg::OnInitDialog()
{
    SetDlgItemText(kIdcAgreementText, readAgreement());
    return true;
}

void CAgreementDlg::OnAgree() { EnableDlgItem(plat::kIdOk, true); }

// ---- folder choice ----

CSetupDirDlg::CSetupDirDlg(std::string defaultFolder) : plat::Dialog(kIddSetupDir), folder_(std::move(defaultFolder))
{
    onCommand(kIdcBrowse, &CSetupDirDlg::OnBrowse);
}

bool CSetupDirDlg::OnInitDialog()
{
    // The media names the default folder in the person's home as "~/...".
    if (const char* home = std::getenv("HOME"); home && *home && folder_.rfind("~/", 0) == 0)
        folder_ = plat::joinPath(home, folder_.substr(2));
    SetDlgItemText(kIdcInstallFolder, folder_);
    return true;
}

void CSetupDirDlg::OnBrowse()
{
    CBrowseDirDlg browse;
    if (browse.DoModal() == plat::kIdOk)
        SetDlgItemText(kIdcInstallFolder, browse.chosenPath());
}

void CSetupDirDlg::OnOK()
{
    // A longer folder would have been cut to its field and installed somewhere else.
    const std::string folder = GetDlgItemText(kIdcInstallFolder);
    if (const std::string problem = InstallFolderProblem(folder, kMaxInstallFolder); !problem.empty()) {
        plat::MessageBox(problem, plat::kMbOk | plat::kMbIconExclamation);
        return;
    }
    folder_ = plat::withoutTrailingSeparator(folder);
    plat::Dialog::OnOK();
}

// ---- folder browser ----

CBrowseDirDlg::CBrowseDirDlg() : plat::Dialog(kIddBrowseDir)
{
    onNotify(kIdcFolderTree, plat::kTvnItemExpanding, &CBrowseDirDlg::OnItemExpanding);
    onNotify(kIdcFolderTree, plat::kTvnSelChanged, &CBrowseDirDlg::OnSelChanged);
}

bool CBrowseDirDlg::OnInitDialog()
{
    plat::Control* tree = GetDlgItem(kIdcFolderTree);
    if (!tree)
        return true;
    // The roots this machine offers: the whole file system and the person's home folder,
    // both fixed, so their first level is listed at once.
    std::vector<std::string> roots{"/"};
    if (const char* home = std::getenv("HOME"); home && *home == '/' && std::string_view(home) != "/")
        roots.emplace_back(home);
    for (const auto& root : roots) {
        const auto node = tree->InsertTreeItem(root, 0, kImageDrive, CountSubdirs(root) > 0);
        AddSubfolders(*tree, node);
    }
    return true;
}

void CBrowseDirDlg::AddSubfolders(plat::Control& tree, plat::Control::TreeItem node)
{
    const std::string path = BuildSelectedPath(tree, node);
    for (const auto& name : ListSubdirs(path))
        tree.InsertTreeItem(name, node, kImageFolder, CountSubdirs(plat::joinPath(path, name)) > 0);
}

void CBrowseDirDlg::OnItemExpanding()
{
    plat::Control* tree = GetDlgItem(kIdcFolderTree);
    const auto node = tree ? tree->expandingItem() : 0;
    // Roots were filled when the dialog opened; other nodes on their first opening.
    if (node && tree->GetParentItem(node) != 0 && tree->GetChildItem(node) == 0)
        AddSubfolders(*tree, node);
}

void CBrowseDirDlg::OnSelChanged()
{
    const plat::Control* tree = GetDlgItem(kIdcFolderTree);
    if (tree && tree->GetSelectedItem())
        SetDlgItemText(kIdcBrowsePath, BuildSelectedPath(*tree, tree->GetSelectedItem()));
}

std::string CBrowseDirDlg::BuildSelectedPath(const plat::Control& tree, plat::Control::TreeItem node) const
{
    std::vector<std::string> parts;
    for (auto n = node; n; n = tree.GetParentItem(n))
        parts.push_back(tree.GetTreeItemText(n));
    std::string path = parts.empty() ? std::string() : parts.back();
    for (auto it = parts.rbegin() + (parts.empty() ? 0 : 1); it != parts.rend(); ++it)
        path = plat::joinPath(path, *it);
    return path;
}

void CBrowseDirDlg::OnOK()
{
    const std::string path = GetDlgItemText(kIdcBrowsePath);
    if (const std::string problem = InstallFolderProblem(path, kMaxBrowsePath); !problem.empty()) {
        plat::MessageBox(problem, plat::kMbOk | plat::kMbIconExclamation);
        return;
    }
    path_ = path;
    plat::Dialog::OnOK();
}

// ---- progress ----

CInstallProgressDlg::CInstallProgressDlg() : plat::Dialog(kIddInstallProgress) {}

void CInstallProgressDlg::ShowFile(int index, std::string_view description, std::string_view fileName)
{
    SetDlgItemText(kIdcProgressDescription, description);
    SetDlgItemText(kIdcProgressFileName, fileName);
    if (plat::Control* bar = GetDlgItem(kIdcProgressBar))
        bar->SetPos(index);
}
