#include "common/editor_startup.h"

#include "platform/app/frame_wnd.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"

#include <algorithm>
#include <cstdint>
#include <limits>

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

plat::MDIFrameWnd* InstallEditorWindows(plat::WinApp& app, EditorWindows windows, FrameGlobals& frames,
                                        plat::CommandLineInfo& info)
{
    app.SetRegistryKey("Quillmere");
    app.LoadStdProfileSettings(4);
    app.AddDocTemplate(std::make_unique<plat::MultiDocTemplate>(windows.documentResource, std::move(windows.makeDocument),
                                                                std::move(windows.makeChildFrame),
                                                                std::move(windows.makeView)));
    plat::MDIFrameWnd* mainFrame = InstallMainFrame(app, std::move(windows.mainFrame), windows.mainFrameResource);
    if (!mainFrame)
        return nullptr;
    frames = {mainFrame, mainFrame};
    app.ParseCommandLine(info);
    RefuseUnsupportedShellCommand(info);
    return mainFrame;
}

bool RunCommandLineDocument(plat::WinApp& app, plat::CommandLineInfo& info)
{
    return app.ProcessShellCommand(info) || info.m_nShellCommand == plat::CommandLineInfo::FileOpen;
}

void StartMainFrameRunning(plat::MDIFrameWnd& frame, MainFrameTimers timers, int backupMinutes,
                           std::string& soundFolder)
{
    constexpr unsigned kAnimationTickMs = 500;
    frame.SetTimer(timers.statusAnimation, kAnimationTickMs);
    soundFolder = plat::appendFolder(plat::currentFolder(), "SOUNDS");
    StartBackupTimer(frame, timers.backup, backupMinutes);
    frame.ShowWindow(plat::kSwShowMaximized);
}
