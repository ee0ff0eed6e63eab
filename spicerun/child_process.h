#pragma once
// Starting a program directly (no shell) in a given folder, with its output in a file and a
// time limit.

#include <string>
#include <vector>

namespace spicerun {

struct ChildProcess {
    std::vector<std::string> arguments;      // program (looked up on the PATH) and its arguments
    std::string folder;                      // working folder
    std::string outputFile;                  // standard output and error go here
    std::vector<std::string> environment;    // "NAME=value" added to this process's environment
};

enum class ChildStatus { NotStarted, Exited, Signalled, TimedOut };

struct ChildResult {
    ChildStatus status = ChildStatus::NotStarted;
    int exitCode = -1;
};

// Runs the program and waits for it; after timeLimitSeconds it is killed.
ChildResult RunChildProcess(const ChildProcess& child, int timeLimitSeconds);

}  // namespace spicerun
