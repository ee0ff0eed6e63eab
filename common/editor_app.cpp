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

bool EditorApp::runCommandLine() { return RunCommandLineDocument(*this, commandLine_); }

void ShowStartupTip(TipOfTheDay tips)
{
    CTipDlg tip(nullptr, tips);
    if (*tips.doTips == 1)
        tip.DoModal();
}

}  // namespace quill
