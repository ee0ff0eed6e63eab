#pragma once
// Small text helpers of the netlister: formatted messages and names, case changes and the
// tests the netlister makes on part and net names.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace netlist {

// printf-style formatting into a string of any length.
template <typename... Args>
std::string Format(const char* format, Args... args)
{
    const int n = std::snprintf(nullptr, 0, format, args...);
    if (n <= 0)
        return {};
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), format, args...);
    out.resize(static_cast<size_t>(n));
    return out;
}

std::string Upper(std::string_view text);
std::string Lower(std::string_view text);
bool StartsWith(std::string_view text, std::string_view prefix);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool Contains(std::string_view text, std::string_view part);
std::string TrimmedRight(std::string_view text);
// The words of text separated by blanks, tabs or newlines.
std::vector<std::string> SplitWords(std::string_view text);

}  // namespace netlist
