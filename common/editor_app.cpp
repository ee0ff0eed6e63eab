#include "common/editor_app.h"

#include "common/about_dialog.h"
#include "platform/app/command_ids.h"
#include "platform/app/frame_wnd.h"

#include <utility>

namespace quill {

EditorApp::EditorApp(std::string appName, std::string aboutText, EditorWindows windows)
    : plat::WinApp(std::move(appName)), aboutText_(std::move(aboutText)), windows_(std::move(windows))
{
    onCommand(plat::kIdAppAbout, &EditorApp::OnAppAbout);
}

void EditorApp::OnAppAbout()
{
    CAboutDlg about(aboutText_);
    about.DoModal();
}

EditorMainFrame* EditorApp::installWindows()
{
    commandLine_ = plat::CommandLineInfo{};
    return InstallEditorWindows(*this, windows_, commandLine_);
}

bool EditorApp::runCommandLine()
{
    if (commandLine_.m_nShellCommand != plat::CommandLineInfo::FileOpen)
        return RunCommandLineDocument(*this, commandLine_);
    // A file that could not be opened has been reported; the program goes on without it.
    openCommandLineFile(commandLine_.m_strFileName);
    return true;
}

bool EditorApp::openCommandLineFile(const std::string& path) { return OpenDocumentFile(path) != nullptr; }

void ShowStartupTip(TipOfTheDay tips)
{
    CTipDlg tip(nullptr, tips);
    if (*tips.doTips == 1)
        tip.DoModal();
}

}  // namespace quill
