#include "platform/qt_host/file_filter.h"

#include <algorithm>
#include <cctype>

namespace plat {
namespace {

std::string blankSeparated(std::string_view patterns)
{
    std::string out(patterns);
    std::replace(out.begin(), out.end(), ';', ' ');
    return out;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
                  return std::tolower(x) == std::tolower(y);
              });
}

// The text inside a trailing "(...)" of name, or nothing when name does not end that way.
std::string_view trailingParenthesis(std::string_view name)
{
    if (!name.ends_with(')'))
        return {};
    const auto open = name.rfind('(');
    if (open == std::string_view::npos)
        return {};
    return name.substr(open + 1, name.size() - open - 2);
}

}  // namespace

std::vector<FileFilter> parseFileFilter(std::string_view filter)
{
    std::vector<FileFilter> filters;
    while (!filter.empty()) {
        const auto nameEnd = filter.find('|');
        if (nameEnd == std::string_view::npos || nameEnd == 0)
            break;
        const std::string_view name = filter.substr(0, nameEnd);
        filter.remove_prefix(nameEnd + 1);
        const auto patternEnd = filter.find('|');
        const std::string_view patterns = filter.substr(0, patternEnd);
        if (patterns.empty())
            break;
        filters.push_back({std::string(name), std::string(patterns)});
        if (patternEnd == std::string_view::npos)
            break;
        filter.remove_prefix(patternEnd + 1);
    }
    return filters;
}

std::string dialogNameFilter(const FileFilter& filter)
{
    const std::string patterns = blankSeparated(filter.patterns);
    if (equalIgnoringCase(blankSeparated(trailingParenthesis(filter.name)), patterns))
        return filter.name;
    return filter.name + " (" + patterns + ")";
}

}  // namespace plat
