#include "spicerun/child_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace spicerun {
namespace {

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> out;
    for (std::string& text : texts)
        out.push_back(text.data());
    out.push_back(nullptr);
    return out;
}

}  // namespace

ChildResult RunChildProcess(const ChildProcess& child, int timeLimitSeconds)
{
    ChildResult result;
    if (child.arguments.empty())
        return result;
    // Everything the child needs is prepared before the fork: after it only async-signal-safe
    // calls are made.
    std::vector<std::string> arguments = child.arguments;
    std::vector<std::string> environment;
    for (char** e = environ; e && *e; ++e) {
        const std::string entry(*e);
        bool replaced = false;
        for (const std::string& added : child.environment)
            replaced = replaced || entry.compare(0, added.find('=') + 1, added, 0, added.find('=') + 1) == 0;
        if (!replaced)
            environment.push_back(entry);
    }
    environment.insert(environment.end(), child.environment.begin(), child.environment.end());
    std::vector<char*> argv = pointers(arguments);
    std::vector<char*> envp = pointers(environment);
    const int output = ::open(child.outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int input = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (output < 0 || input < 0) {
        if (output >= 0) ::close(output);
        if (input >= 0) ::close(input);
        return result;
    }
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) {
        ::close(output);
        ::close(input);
        return result;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(child.folder.c_str()) == 0 && ::dup2(input, 0) >= 0 && ::dup2(output, 1) >= 0 &&
            ::dup2(output, 2) >= 0)
            ::execvpe(argv[0], argv.data(), envp.data());
        const char failed = 1;
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &failed, 1);
        ::_exit(127);
    }
    ::close(output);
    ::close(input);
    ::close(ready[1]);
    if (pid < 0) {
        ::close(ready[0]);
        return result;
    }
    // The pipe closes without data when exec succeeded.
    char failed = 0;
    ssize_t got;
    do
        got = ::read(ready[0], &failed, 1);
    while (got < 0 && errno == EINTR);
    ::close(ready[0]);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeLimitSeconds);
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR)
            return result;
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            result.status = ChildStatus::TimedOut;
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (got == 1) {
        result.status = ChildStatus::NotStarted;
        return result;
    }
    if (WIFEXITED(status)) {
        result.status = ChildStatus::Exited;
        result.exitCode = WEXITSTATUS(status);
    } else {
        result.status = ChildStatus::Signalled;
    }
    return result;
}

}  // namespace spicerun
