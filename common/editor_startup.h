#pragma once
// Start-up steps that both editors take the same way.

#include "platform/app/command_line.h"
#include "platform/app/win_app.h"
#include "platform/app/wnd.h"

#include <memory>

namespace plat {
class MDIFrameWnd;
}

// Loads the main frame from its resource (menu, icon, accelerators, title) as an overlapped
// window that shows the active document's title, makes it the application's main window, lets
// it take dropped files and registers the document types with the shell. Null when the frame
// cannot be made (start-up then ends).
plat::MDIFrameWnd* InstallMainFrame(plat::WinApp& app, std::unique_ptr<plat::MDIFrameWnd> frame,
                                    unsigned resourceId);

// Only a new document, opening a file and printing one are accepted from the command line;
// anything else (print to a given printer, DDE, unregistering) shows "Parameter Error!" and
// ends the program with exit code 1.
void RefuseUnsupportedShellCommand(const plat::CommandLineInfo& info);

// Starts the backup timer on the main window with a period of minutes × 60,000 ms; a value
// that is not positive starts none, and a very long period is held at the longest a timer
// can wait.
void StartBackupTimer(plat::Wnd& frame, unsigned timerId, int minutes);
