#pragma once
// What the program start does before the application's own start-up runs. The programs treat
// the current folder at start-up as their home (INI files, the sound folder), so the start turns
// the command line's file arguments into absolute paths and then makes the program folder the
// current folder.

#include <string>
#include <string_view>
#include <vector>

namespace plat {

// Makes each file argument absolute against folder. The program name (first argument), the
// framework's own switches (/p /pt /dde /Embedding /Automation /Unregister /Unregserver, with
// '/' or '-', any case; the same set the command-line parser in platform/app knows) and the
// printer, driver and port that follow "/pt <file>" stay as given. Every other argument,
// an absolute path beginning with '/' included, is a file.
std::vector<std::string> absoluteFileArguments(std::vector<std::string> arguments,
                                               std::string_view folder);

struct StartupArguments {
    std::vector<std::string> arguments;   // argv with absolute file arguments
    bool inProgramFolder = false;         // false when the folder could not be entered
};

// absoluteFileArguments against the current folder, then setCurrentFolder(programFolder).
// The folder it leaves is remembered as the launch folder.
StartupArguments prepareStartup(int argc, const char* const* argv, std::string_view programFolder);

// The current folder the program was started from, before the start moved to the program
// folder; file dialogs begin there while no document has a folder of its own.
const std::string& launchFolder();
void setLaunchFolder(std::string folder);

}  // namespace plat
