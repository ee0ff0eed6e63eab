#pragma once
// The installer's dialogs: welcome, user agreement, folder choice, folder browser and the
// progress window shown while files are copied.

#include "platform/app/dialog.h"

#include <string>

// Longest installation folder the installer keeps (its field holds 66 bytes).
inline constexpr size_t kMaxInstallFolder = 65;
// Longest path the folder browser hands back (an 80-byte field).
inline constexpr size_t kMaxBrowsePath = 79;

class CWelcomeDlg : public plat::Dialog {
public:
    explicit CWelcomeDlg(std::string appName);
    bool OnInitDialog() override;

private:
    std::string appName_;
};

class CAgreementDlg : public plat::Dialog {
public:
    CAgreementDlg();
    bool OnInitDialog() override;

private:
    void OnAgree();
};

class CSetupDirDlg : public plat::Dialog {
public:
    explicit CSetupDirDlg(std::string defaultFolder);
    bool OnInitDialog() override;
    void OnOK() override;
    const std::string& folder() const { return folder_; }

private:
    void OnBrowse();
    std::string folder_;
};

class CBrowseDirDlg : public plat::Dialog {
public:
    CBrowseDirDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    const std::string& chosenPath() const { return path_; }

private:
    void OnItemExpanding();
    void OnSelChanged();
    void AddSubfolders(plat::Control& tree, plat::Control::TreeItem node);
    std::string BuildSelectedPath(const plat::Control& tree, plat::Control::TreeItem node) const;
    std::string path_;
};

class CInstallProgressDlg : public plat::Dialog {
public:
    CInstallProgressDlg();
    void ShowFile(int index, std::string_view description, std::string_view fileName);
};

// Folders below path (hidden ones left out), sorted; CountSubdirs is their number.
std::vector<std::string> ListSubdirs(const std::string& path);
int CountSubdirs(const std::string& path);

// Says why a folder cannot be the installation folder, or "" when it can.
std::string InstallFolderProblem(std::string_view folder, size_t maxLength);
