#pragma once
// The build utility's program. "build FILE.LIB" builds the part the pin-description file
// describes and tells what happened: on a desktop in a message window (the Build Part Utility
// starts it without waiting, so the person sees the outcome there), elsewhere on standard
// output. The exit code is 0 only when the part was written (1 when refused, 2 for a command
// line that names no one file).

#include "platform/app/win_app.h"

#include <cstdio>
#include <string>
#include <vector>

class CBuildApp : public plat::WinApp {
public:
    CBuildApp();
    bool InitInstance() override;
    int ExitInstance() override;

private:
    int exitCode_ = 1;
};

// The build without a desktop: the report goes to out, the exit code comes back.
int RunBuildOnConsole(const std::vector<std::string>& args, std::FILE* out);
