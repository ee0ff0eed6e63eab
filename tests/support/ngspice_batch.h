// Running ngspice as the independent reader of the decks the suite writes. Tests that need it
// skip with a message where it is not installed.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace quill_test {

inline bool haveNgspice() { return std::system("ngspice --version > /dev/null 2>&1") == 0; }

// ngspice's whole batch output for a deck, run in the deck's folder.
inline std::string ngspiceOutput(const std::string& deck)
{
    const std::string command =
        "cd '" + std::filesystem::path(deck).parent_path().string() + "' && ngspice -b '" + deck + "' 2>&1";
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char line[512];
    while (std::fgets(line, sizeof line, pipe))
        output += line;
    ::pclose(pipe);
    return output;
}

}  // namespace quill_test
