#pragma once
// A line split into its words at runs of blanks and tabs. Header-only so that helper programs
// without the platform layer (the simulator adapter) read their lines the same way.

#include <string_view>
#include <vector>

namespace plat {

// The words of `line` in order, as views into it; none for a blank line.
inline std::vector<std::string_view> LineWords(std::string_view line)
{
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

}  // namespace plat
