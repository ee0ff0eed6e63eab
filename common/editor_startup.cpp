#include "common/editor_startup.h"

#include "common/editor_main_frame.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"

#include <algorithm>
#include <cstdint>
#include <limits>

FrameGlobals g_frames;

void RefuseUnsupportedShellCommand(const plat::CommandLineInfo& info)
{
    using C = plat::CommandLineInfo;
    const auto command = info.m_nShellCommand;
    if (command == C::FileNew || command == C::FileOpen || command == C::FilePrint)
        return;
    plat::MessageBox("Parameter Error!");
    plat::uiHost().exitProcess(1);
}

void StartBackupTimer(plat::Wnd& frame, unsigned timerId, int minutes)
{
    if (minutes <= 0)
        return;
    const uint64_t period = static_cast<uint64_t>(minutes) * 60000u;
    frame.SetTimer(timerId, static_cast<unsigned>(std::min<uint64_t>(period, std::numeric_limits<unsigned>::max())));
}

plat::MDIFrameWnd* InstallMainFrame(plat::WinApp& app, std::unique_ptr<plat::MDIFrameWnd> frame,
                                    unsigned resourceId)
{
    if (!frame->LoadFrame(resourceId, plat::kWsOverlappedWindow | plat::kFwsAddToTitle))
        return nullptr;
    plat::MDIFrameWnd* mainFrame = frame.get();
    app.SetMainWnd(std::move(frame));
    mainFrame->DragAcceptFiles();
    app.EnableShellOpen();
    app.RegisterShellFileTypes(true);
    return mainFrame;
}

quill::EditorMainFrame* InstallEditorWindows(plat::WinApp& app, const EditorWindows& windows,
                                             plat::CommandLineInfo& info)
{
    std::unique_ptr<quill::EditorMainFrame> frame = windows.makeMainFrame();
    quill::EditorMainFrame* const editorFrame = frame.get();
    app.SetRegistryKey("Quillmere");
    app.LoadStdProfileSettings(4);
    app.AddDocTemplate(std::make_unique<plat::MultiDocTemplate>(windows.documentResource, windows.makeDocument,
                                                                windows.makeChildFrame, windows.makeView));
    plat::MDIFrameWnd* mainFrame = InstallMainFrame(app, std::move(frame), windows.mainFrameResource);
    if (!mainFrame)
        return nullptr;
    g_frames = {mainFrame, mainFrame};
    app.ParseCommandLine(info);
    RefuseUnsupportedShellCommand(info);
    return editorFrame;
}

bool RunCommandLineDocument(plat::WinApp& app, plat::CommandLineInfo& info)
{
    return app.ProcessShellCommand(info) || info.m_nShellCommand == plat::CommandLineInfo::FileOpen;
}
