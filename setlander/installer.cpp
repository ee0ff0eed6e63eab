#include "setlander/installer.h"

#include "platform/app/message_pump.h"
#include "platform/core/input_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/desktop_entries.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "setlander/file_copy.h"
#include "setlander/install_dialogs.h"
#include "setlander/install_info.h"
#include "setlander/unzip.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Makes the folder unless it is there; the system's words for why it could not be ("" when
// it is there now).
std::string makeFolder(const std::string& path)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return {};
    if (fs::create_directory(path, ec))
        return {};
    std::error_code again;
    if (fs::is_directory(path, again))
        return {};   // made meanwhile by someone else
    // create_directory leaves ec clear when something other than a folder has the name.
    return ec ? ec.message() : std::make_error_code(std::errc::not_a_directory).message();
}

// A path from INSTALL.INF, made native: backslashes become separators, and a path that is
// absolute or climbs out with ".." is refused so nothing lands outside the installation.
bool toSafeRelative(std::string& path)
{
    for (char& c : path)
        if (c == '\\')
            c = '/';
    if (!path.empty() && path.front() == '/')
        return false;
    for (const auto& part : fs::path(path))
        if (part == "..")
            return false;
    return true;
}

void message(const std::string& text) { plat::MessageBox(text, plat::kMbOk | plat::kMbIconExclamation); }

// Where an archive's files go: the part library folder, the package folder, or the
// installation folder itself, by the words in the archive's name.
std::string unzipTarget(const std::string& sourcePath, const std::string& installFolder)
{
    const std::string upper = plat::upperCaseAscii(plat::fileNameOf(sourcePath));
    if (upper.find("LIBRARY") != std::string::npos)
        return plat::joinPath(installFolder, "lib");
    if (upper.find("PACKAGES") != std::string::npos)
        return plat::joinPath(installFolder, "packages");
    return installFolder;
}

// The room an archive may unpack into: what the disk has free. How much the archive may unpack
// at most is its own business (the sizes it declares); SpaceNeeded only warns.
uint64_t unpackSpace(const std::string& installFolder)
{
    std::error_code ec;
    const auto space = fs::space(installFolder, ec);
    return ec ? UINT64_MAX : static_cast<uint64_t>(space.available);
}

enum class FileOutcome { Done, Skipped, Cancelled };

// Asks whether to try again after a failure; Cancel ends the installation.
bool retry(const std::string& text)
{
    return plat::MessageBox(text, plat::kMbOkCancel | plat::kMbIconExclamation) == plat::kIdOk;
}

// Copies one file, asking again while the media or the destination fails.
FileOutcome copyWithPrompts(const std::string& source, const std::string& destination)
{
    for (;;) {
        std::string reason;
        switch (CopyFileBlocks(source, destination, &reason)) {
        case kCopyDone:
            return FileOutcome::Done;
        case kCopySourceMissing:
            if (plat::MessageBox("Insert disk #2", plat::kMbOkCancel) != plat::kIdOk)
                return FileOutcome::Cancelled;
            break;
        case kCopyDiskFull:
            // Trying again only helps once the person has made room, so say what is wrong.
            if (!retry("There is not enough disk space to install " + destination +
                       ".\nMake room on the disk and press OK to try again, or Cancel to stop."))
                return FileOutcome::Cancelled;
            break;
        case kCopyDestinationFailed:
            // A destination that can never be written would otherwise be asked for forever.
            if (!retry("Can't open destination " + destination + (reason.empty() ? "" : ": " + reason)))
                return FileOutcome::Cancelled;
            break;
        case kCopyNoMemory:
            if (!retry("No memory"))
                return FileOutcome::Cancelled;
            break;
        case kCopySourceNotAFile:
            message(plat::notAFileText(source) + "\nIt is not installed.");
            return FileOutcome::Skipped;
        }
    }
}

FileOutcome installFile(int i, const std::string& sourceFolder, const std::string& installFolder)
{
    std::string name, folderPath;
    GetInstallInfo(12, i, name);
    const int folderNumber = GetInstallInfo(13, i, folderPath);
    if (GetInstallInfo(9, folderNumber, folderPath) < 0 || !toSafeRelative(folderPath) || !toSafeRelative(name) ||
        name.empty()) {
        message("INSTALL.INF gives no folder for " + name + ": the file is not installed.");
        return FileOutcome::Skipped;
    }
    const std::string destination = plat::joinPath(plat::joinPath(installFolder, folderPath), name);
    const std::string source = plat::resolvePath(plat::joinPath(plat::joinPath(sourceFolder, folderPath), name));
    const FileOutcome copied = copyWithPrompts(source, destination);
    if (copied != FileOutcome::Done || !GetInstallInfo(15, i, name))
        return copied;
    const UnzipResult unzipped = UnzipArchive(source, unzipTarget(source, installFolder), unpackSpace(installFolder));
    plat::deleteFile(destination);
    if (unzipped.ok)
        return FileOutcome::Done;
    message(unzipped.problem);
    return FileOutcome::Skipped;
}

// Says what INSTALL.INF held that did not fit; false when entries were left out, since
// installing the rest would leave a partial application.
bool acceptInfProblems()
{
    if (!g_installInfo.refusal.empty()) {
        message("INSTALL.INF cannot be used:\n" + g_installInfo.refusal + "\nNothing is installed.");
        return false;
    }
    if (g_installInfo.problems.empty())
        return true;
    std::string text = "INSTALL.INF has values that do not fit:";
    for (const auto& p : g_installInfo.problems)
        text += "\n" + p;
    if (g_installInfo.entriesLeftOut)
        text += "\nNothing is installed.";
    message(text);
    return !g_installInfo.entriesLeftOut;
}

}  // namespace

bool CreateInstallDirs(const std::string& installFolder)
{
    // Each folder of the path in turn, so that a new installation folder may be several deep.
    fs::path partial;
    for (const auto& part : fs::path(installFolder)) {
        partial /= part;
        if (const std::string failure = makeFolder(partial.string()); !failure.empty()) {
            message("Can't make directory: " + partial.string() + ": " + failure);
            return false;
        }
    }
    std::string path;
    for (int i = 0; i < GetInstallInfo(7, 0, path); ++i) {
        plat::PumpMessages();
        GetInstallInfo(8, i, path);
        if (!toSafeRelative(path)) {
            message("Can't make directory\n" + path + ": the folder lies outside the installation folder");
            return false;
        }
        const std::string folder = plat::joinPath(installFolder, path);
        if (const std::string failure = makeFolder(folder); !failure.empty()) {
            message("Can't make directory\n" + folder + ": " + failure);
            return false;
        }
    }
    return true;
}

bool CopyAllFiles(const std::string& sourceFolder, const std::string& installFolder, CInstallProgressDlg& progress)
{
    std::string text;
    const int count = GetInstallInfo(10, 0, text);
    if (plat::Control* bar = progress.GetDlgItem(1001))
        bar->SetRange(0, count);
    bool complete = true;
    for (int i = 0; i < count; ++i) {
        std::string description, name;
        GetInstallInfo(11, i, description);
        GetInstallInfo(12, i, name);
        progress.ShowFile(i, description, name);
        plat::PumpMessages();
        const FileOutcome outcome = installFile(i, sourceFolder, installFolder);
        if (outcome == FileOutcome::Cancelled)
            return false;
        complete = complete && outcome == FileOutcome::Done;
        progress.ShowFile(i + 1, description, name);
    }
    return complete;
}

bool RegisterLibAssociation()
{
    const plat::WriteResult written =
        plat::associateWithTextEditor("text/x-schemora-library", "*.lib", "Schemora part library list");
    if (!written)
        message("Part library lists are not opened in the text editor:\n" + written.message());
    return written;
}

bool CreateStartMenuShortcuts(const std::string& installFolder)
{
    std::string group, name, title, icon;
    GetInstallInfo(17, 0, group);
    bool all = true;
    for (int i = 0; i < GetInstallInfo(19, 0, name); ++i) {
        GetInstallInfo(20, i, name);
        GetInstallInfo(21, i, title);
        GetInstallInfo(22, i, icon);
        if (!toSafeRelative(name) || !toSafeRelative(icon) || group.find('/') != std::string::npos || group == "..")
            continue;
        plat::DesktopEntry entry;
        entry.name = title;
        entry.exec = plat::joinPath(installFolder, name);
        entry.path = plat::folderOf(entry.exec);
        entry.icon = plat::joinPath(installFolder, icon);
        if (const plat::WriteResult written = plat::writeDesktopEntry(group, entry); !written) {
            message("The shortcut was not saved!\n" + written.message());
            all = false;
        }
    }
    return all;
}

bool RunInstall(const std::string& sourceFolder)
{
    std::string infPath = plat::joinPath(sourceFolder, "INSTALL.INF");
    if (GetInstallInfo(0, 0, infPath) != 0) {
        // A file that is there but could not be taken says why beneath the usual words.
        message(g_installInfo.refusal.empty() ? "Initialization Error" : "Initialization Error\n" + g_installInfo.refusal);
        return false;
    }
    if (!acceptInfProblems())
        return false;
    std::string appName, defDir;
    GetInstallInfo(1, 0, appName);
    GetInstallInfo(2, 0, defDir);

    CWelcomeDlg welcome(appName);
    if (welcome.DoModal() != plat::kIdOk)
        plat::uiHost().exitProcess(1);
    CAgreementDlg agreement;
    if (agreement.DoModal() != plat::kIdOk)
        plat::uiHost().exitProcess(1);
    CSetupDirDlg setupDir(defDir);
    if (setupDir.DoModal() != plat::kIdOk)
        plat::uiHost().exitProcess(1);
    const std::string installFolder = setupDir.folder();

    CInstallProgressDlg progress;
    progress.Create(progress.templateId());
    progress.ShowWindow(plat::kSwShowNormal);
    bool complete = CreateInstallDirs(installFolder);
    if (!complete) {
        message("Cannot create directory!");
        progress.DestroyWindow();
        message("Installation not complete!");
        return false;
    }
    std::error_code ec;
    const auto space = fs::space(installFolder, ec);
    const uintmax_t needed = static_cast<uintmax_t>(GetInstallInfo(3, 0, appName)) * 1024;
    if (!ec && space.available < needed)
        message("Warning: Limited disk space");
    GetInstallInfo(1, 0, appName);
    const bool associated = appName.find("Schemora") == std::string::npos || RegisterLibAssociation();
    plat::setCurrentFolder(installFolder);
    complete = CopyAllFiles(sourceFolder, installFolder, progress) && associated;
    std::string unused;
    if (complete && GetInstallInfo(19, 0, unused) > 0 &&
        plat::MessageBox("Add Icons to Start Menu?", plat::kMbYesNo | plat::kMbIconQuestion) == plat::kIdYes)
        complete = CreateStartMenuShortcuts(installFolder);
    progress.DestroyWindow();
    plat::MessageBox(complete ? "Installation complete!" : "Installation not complete!");
    return complete;
}
