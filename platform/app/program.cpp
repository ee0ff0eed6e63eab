#include "platform/app/program.h"

#include "platform/app/dialog.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/message_pump.h"
#include "platform/app/wnd_state.h"
#include "platform/core/ui_host.h"
#include "platform/qt_host/qt_ui_host.h"
#include "platform/system/files.h"
#include "platform/system/startup.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace plat {
namespace {

bool isSet(const char* name)
{
    const char* v = std::getenv(name);
    return v && *v;
}

bool hasDisplay() { return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"); }

std::string programName(const char* argv0)
{
    std::string name = argv0 ? argv0 : "program";
    const auto slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// ProcessExit unwinds the program's code to the event dispatch that called it (a timer tick, a
// posted message); the host has already told the loops to end with the exit code, so the
// exception stops here instead of crossing Qt.
class ProgramApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const ProcessExit& e) {
            noteProcessExit(e.code);
            return true;
        }
    }
};

}  // namespace

int RunProgram(int argc, char** argv, AppFactory makeApp)
{
    // Qt would abort without a display; say so in one line instead.
    if (!hasDisplay()) {
        std::fprintf(stderr, "%s: no display (set DISPLAY or WAYLAND_DISPLAY, or QT_QPA_PLATFORM=offscreen)\n",
                     programName(argc > 0 ? argv[0] : nullptr).c_str());
        return 2;
    }
    ProgramApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);   // the main frame's destruction ends the loop
    std::setlocale(LC_NUMERIC, "C");

    const std::string folder = programFolder();
    const StartupArguments start = prepareStartup(argc, argv, folder);
    std::vector<std::string> args;
    if (!start.arguments.empty())
        args.assign(start.arguments.begin() + 1, start.arguments.end());

    QtUiHost host;
    QtUiHost::setModalRunner(runDialogWithQt);
    ensureInputFilter();
    ensureProgramStyle();
    // The program's own icon (resource 128, as its main frame's) on every window it opens,
    // dialog-only programs included.
    if (constexpr unsigned kProgramIcon = 128; LoadIcon(kProgramIcon))
        QApplication::setWindowIcon(iconToQt(kProgramIcon));

    clearPendingProcessExit();
    int code = 0;
    try {
        std::unique_ptr<WinApp> app = makeApp();
        app->setCommandLine(std::move(args), folder);
        if (!app->InitInstance()) {
            if (FrameWnd* main = app->GetMainWnd(); main && main->IsWindow())
                main->DestroyWindow();
            code = app->ExitInstance();
        } else {
            rethrowPendingExit();
            int loopCode = 0;
            if (app->GetMainWnd())
                loopCode = QApplication::exec();
            rethrowPendingExit();
            const int exitCode = app->ExitInstance();
            code = loopCode != 0 ? loopCode : exitCode;
        }
        app.reset();
        collectGarbage();
    } catch (const ProcessExit& e) {
        code = e.code;
    }
    collectGarbage();
    return code;
}

bool hasDesktop()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && (std::string_view(platform) == "offscreen" || std::string_view(platform) == "minimal"))
        return false;
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

// ---------------------------------------------------------------------------------------------

AppHarness::AppHarness(AppFactory makeApp, std::vector<std::string> args, std::string programFolder)
    : savedCwd_(currentFolder())
{
    ensureInputFilter();
    ensureProgramStyle();
    setLaunchFolder(savedCwd_);
    if (!programFolder.empty())
        setCurrentFolder(programFolder);
    app_ = makeApp();
    app_->setCommandLine(std::move(args), programFolder.empty() ? plat::programFolder() : programFolder);
}

AppHarness::~AppHarness()
{
    try {
        if (app_) {
            // Leave without questions: documents are closed as they are.
            app_->CloseAllDocuments(true);
            if (FrameWnd* main = app_->GetMainWnd(); main && main->IsWindow())
                main->DestroyWindow();
            collectGarbage();
            app_.reset();
        }
    } catch (const ProcessExit&) {
    }
    collectGarbage();
    if (!savedCwd_.empty())
        setCurrentFolder(savedCwd_);
}

bool AppHarness::start()
{
    clearPendingProcessExit();
    try {
        started_ = app_->InitInstance();
    } catch (const ProcessExit& e) {
        exitCode_ = e.code;
        started_ = false;
    }
    return started_;
}

bool AppHarness::command(unsigned id)
{
    bool handled = true;
    try {
        if (FrameWnd* main = app_->GetMainWnd(); main && main->IsWindow())
            handled = main->SendMessage(kWmCommand, id, 0) != 0;
        else
            handled = app_->OnCmdMsg(id, nullptr);
    } catch (const ProcessExit& e) {
        exitCode_ = e.code;
    }
    if (auto code = pendingProcessExit(); code && !exitCode_)
        exitCode_ = code;
    return handled;
}

void AppHarness::idle()
{
    try {
        QCoreApplication::processEvents();
        runIdle();
        // Without a running event loop Qt never frees what was handed to deleteLater.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } catch (const ProcessExit& e) {
        exitCode_ = e.code;
    }
    if (auto code = pendingProcessExit(); code && !exitCode_)
        exitCode_ = code;
}

void AppHarness::close()
{
    try {
        if (FrameWnd* main = app_->GetMainWnd(); main && main->IsWindow())
            main->SendMessage(kWmClose);
        collectGarbage();
    } catch (const ProcessExit& e) {
        exitCode_ = e.code;
    }
}

}  // namespace plat
