#include "schemora/netlist/netlist_text.h"

#include "common/string_helpers.h"
#include "platform/system/ascii_case.h"

namespace netlist {

std::string Upper(std::string_view text) { return plat::upperCaseAscii(text); }

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = plat::toLowerAscii(c);
    return out;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && plat::equalsNoCase(text.substr(0, prefix.size()), prefix);
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string TrimmedRight(std::string_view text)
{
    const size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::vector<std::string> SplitWords(std::string_view text) { return WordsSeparatedBy(text, " \t\r\n"); }

}  // namespace netlist
