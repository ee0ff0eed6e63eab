// An "INSTALL.INF" as the installer loads it, then every table read back through the one
// accessor the installer uses, at every index it could ask for.

#include "fuzz/fuzz_support.h"
#include "setlander/install_info.h"

#include <cstdlib>
#include <string>

void fuzz::startHarness() { setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    std::string buffer = fuzz::writeInput("INSTALL.INF", data, size);
    if (GetInstallInfo(0, 0, buffer) != 0)
        std::abort();   // the file was just written
    // Entries left out of a table are never left out without saying so: each by a problem, or
    // the whole file by why it was refused.
    if (g_installInfo.entriesLeftOut && g_installInfo.problems.empty() && g_installInfo.refusal.empty())
        std::abort();
    for (int op = 1; op <= 23; ++op)
        for (int index = -2; index <= static_cast<int>(kMaxFiles) + 1; ++index) {
            buffer = "input";
            GetInstallInfo(op, index, buffer);
        }
}
