#pragma once
// How a build-time generator writes its files and ends: each file is written whole or not at
// all, a failure names the file, and a run that showed a message box fails.

#include "platform/core/atomic_file.h"
#include "platform/core/test_ui_host.h"
#include "tools/generator_arguments.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Whether a file was written; when not, "<tool>: Cannot write <path>: <reason>" on the error stream.
inline bool reportGeneratedFile(std::string_view tool, const plat::WriteResult& written)
{
    if (!written)
        std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(tool.size()), tool.data(), written.message().c_str());
    return written;
}

// Writes bytes (or text) to path whole or not at all (the file that was there stays); false,
// reported by reportGeneratedFile, when it cannot.
inline bool writeGeneratedFile(std::string_view tool, const std::string& path, const std::vector<uint8_t>& bytes)
{
    return reportGeneratedFile(tool, plat::writeFileAtomically(path, bytes));
}

inline bool writeGeneratedFile(std::string_view tool, const std::string& path, std::string_view text)
{
    return writeGeneratedFile(tool, path, std::vector<uint8_t>(text.begin(), text.end()));
}

// The generator's exit code: 0 when its run went well and no message box was shown; otherwise
// 1, after each message box's text on the error stream.
inline int generatorExitCode(std::string_view tool, bool ok, const plat::TestUiHost& host)
{
    for (const std::string& message : host.messageBoxes())
        std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(tool.size()), tool.data(), message.c_str());
    return ok && host.messageBoxes().empty() ? 0 : 1;
}

// The frame of a generator that drives the programs' own code: the argument check (exit 2 with
// the usage), a host that collects what the code would show instead of showing it, and the
// exit code of generatorExitCode for what work answers. work gets the arguments after the
// generator's name.
inline int runGenerator(int argc, char** argv, int count, const char* usage, std::string_view tool,
                        const std::function<bool(std::span<char* const> arguments)>& work)
{
    if (!argumentsGiven(argc, count, usage))
        return 2;
    plat::TestUiHost host;   // no one to talk to: messages are collected and fail the run
    const bool ok = work(std::span<char* const>(argv + 1, static_cast<size_t>(count)));
    return generatorExitCode(tool, ok, host);
}
