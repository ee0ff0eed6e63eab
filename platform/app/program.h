#pragma once
// Program start, and the headless harness tests use to run a program's start-up and commands
// without an event loop.
//
//   int main(int argc, char** argv)
//   {
//       registerSchemoraResources();
//       return plat::RunProgram(argc, argv, [] { return std::make_unique<CSchemoraApp>(); });
//   }

#include "platform/app/win_app.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace plat {

using AppFactory = std::function<std::unique_ptr<WinApp>()>;

// Creates the Qt application (on a machine without a display: one line on stderr, exit code
// 2), sets LC_NUMERIC back to "C", turns file arguments into absolute paths and makes the
// program folder current, installs the Qt UI host, makes the application, runs InitInstance
// and the event loop, then ExitInstance. ProcessExit thrown anywhere gives its exit code.
int RunProgram(int argc, char** argv, AppFactory makeApp);

// Whether a person can see the windows a program opens: a display is named and Qt is not told
// to draw offscreen. A program that reports what it did (the build utility) writes to its
// standard output instead when there is none.
bool hasDesktop();

// Runs an application's start-up and commands in a test: a QApplication must exist (the
// test programs make one) and a TestUiHost must be installed. Windows are real widgets on the
// offscreen platform, never shown; paints run when the test asks (idle()) or synchronously.
class AppHarness {
public:
    // args: the command line after the program name. programFolder: taken as the program
    // folder (and made current for the start-up) when not empty.
    AppHarness(AppFactory makeApp, std::vector<std::string> args = {}, std::string programFolder = {});
    ~AppHarness();
    AppHarness(const AppHarness&) = delete;
    AppHarness& operator=(const AppHarness&) = delete;

    // Runs InitInstance; false when it returned false or the process was ended (exitCode()).
    bool start();
    WinApp& app() const { return *app_; }
    template <class T> T& appAs() const { return static_cast<T&>(*app_); }
    std::optional<int> exitCode() const { return exitCode_; }

    // Sends a command as a menu would, through the main frame (or to the application when
    // there is none); false when nothing handled it. ProcessExit is caught (exitCode()).
    bool command(unsigned id);
    // Runs the idle work: update-UI, paints, deferred deletions.
    void idle();
    // Closes the program as the main window's close box would (documents asked to save).
    void close();

private:
    std::unique_ptr<WinApp> app_;
    std::optional<int> exitCode_;
    std::string savedCwd_;
    bool started_ = false;
};

}  // namespace plat
