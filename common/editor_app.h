#pragma once
// The application object both editors build on: Help > About with the program's own line, the
// document template and main window that start-up installs (common/editor_startup.h) with the
// command line they parse, carrying that command line out, and the tip of the day at start.

#include "common/editor_main_frame.h"
#include "common/editor_startup.h"
#include "common/tip_dialog.h"
#include "platform/app/command_line.h"
#include "platform/app/win_app.h"

#include <string>

namespace quill {

class EditorApp : public plat::WinApp {
public:
    // aboutText: the product line of the About box; windows: what start-up installs.
    EditorApp(std::string appName, std::string aboutText, EditorWindows windows);
    void OnAppAbout();

protected:
    // Installs the editor's windows (InstallEditorWindows) and keeps the command line parsed on
    // the way for runCommandLine. Null when the main frame cannot be made.
    EditorMainFrame* installWindows();
    // Carries out the command line kept by installWindows (RunCommandLineDocument); a file to
    // open goes to openCommandLineFile.
    bool runCommandLine();
    // Opens the file named on the command line as File > Open would; whether it opened. The
    // base opens it as a document.
    virtual bool openCommandLineFile(const std::string& path);

private:
    std::string aboutText_;
    EditorWindows windows_;
    plat::CommandLineInfo commandLine_;
};

// The tip of the day, when the program's "show tips at startup" setting asks for it.
void ShowStartupTip(TipOfTheDay tips);

}  // namespace quill
