#pragma once
// Start-up steps that both editors take the same way.

#include "platform/app/command_line.h"
#include "platform/app/doc_template.h"
#include "platform/app/win_app.h"
#include "platform/app/wnd.h"

#include <memory>

namespace plat {
class MDIFrameWnd;
}
namespace quill {
class EditorMainFrame;
}

// The frame pointer kept for the drawing code and the dialogs, next to the application's own.
struct FrameGlobals {
    plat::MDIFrameWnd* mainFrame = nullptr;
    plat::MDIFrameWnd* drawingFrame = nullptr;
};
// The program's frame pointers, set by start-up.
extern FrameGlobals g_frames;

// What differs between the two editors' windows: the document kind's resource and its
// document, child frame and view, the main frame and its resource.
struct EditorWindows {
    using MainFrameFactory = std::unique_ptr<quill::EditorMainFrame> (*)();

    unsigned documentResource = 0;
    plat::DocTemplate::DocFactory makeDocument;
    plat::DocTemplate::FrameFactory makeChildFrame;
    plat::DocTemplate::ViewFactory makeView;
    MainFrameFactory makeMainFrame = nullptr;
    unsigned mainFrameResource = 0;
};

// The windows of an editor whose documents and views are Document and View.
template <typename Document, typename View>
EditorWindows EditorWindowsOf(unsigned documentResource, plat::DocTemplate::FrameFactory makeChildFrame,
                              EditorWindows::MainFrameFactory makeMainFrame, unsigned mainFrameResource)
{
    return {documentResource, [] { return std::make_unique<Document>(); }, std::move(makeChildFrame),
            [] { return std::make_unique<View>(); }, makeMainFrame, mainFrameResource};
}

// The editors' common middle of start-up: the main frame made, the settings' registry key and
// recent-file list, the document template, the main frame installed (InstallMainFrame, kept in
// g_frames) and the command line, parsed into info with RefuseUnsupportedShellCommand applied.
// Null when the frame cannot be made.
quill::EditorMainFrame* InstallEditorWindows(plat::WinApp& app, const EditorWindows& windows,
                                             plat::CommandLineInfo& info);

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

// Carries out the command line's document command (a new document, a file to open or print).
// False ends start-up: a print run is over or a document could not be made. A file that could
// not be opened has been reported, and the program goes on without a document rather than
// ending as if all were well.
bool RunCommandLineDocument(plat::WinApp& app, plat::CommandLineInfo& info);

// Starts the backup timer on the main window with a period of minutes × 60,000 ms; a value
// that is not positive starts none, and a very long period is held at the longest a timer
// can wait.
void StartBackupTimer(plat::Wnd& frame, unsigned timerId, int minutes);
