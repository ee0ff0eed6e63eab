#pragma once
// Splitting the command lines the programs build ("build /home/ann/lib/TTL.LIB",
// "viewer \"/tmp/run 1.out\"") into a program and its arguments, without a shell.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// Splits as a POSIX shell splits plain words: blanks and tabs separate words; '...' quotes
// literally; "..." quotes with \" and \\ as escapes; outside quotes a backslash takes the next
// character literally. Nothing is expanded. An empty quoted word ("") is kept as an empty
// argument. Nothing when a quote is left open or the line ends in a lone backslash.
std::optional<std::vector<std::string>> splitCommandLine(std::string_view line);

// A command line as the program it names and that program's arguments.
struct ProgramCall {
    std::string program;
    std::vector<std::string> arguments;
};
// Nothing when the line does not split (see above) or names no program.
std::optional<ProgramCall> programCallOf(std::string_view line);

}  // namespace plat
