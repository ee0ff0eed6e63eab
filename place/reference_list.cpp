#include "place/reference_list.h"

#include "platform/system/ascii_case.h"
#include "platform/system/line_words.h"

#include <algorithm>
#include <unordered_set>

namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Package names are catalogue entries: letters, digits and a few marks, never a path.
bool isPackageName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxPackageNameChars || name == "." || name == "..")
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return isLetter(c) || isDigit(c) || c == '.' || c == '_' || c == '-' || c == '+';
    });
}

}  // namespace

bool SplitDesignator(std::string_view designator, std::string& prefix, int& number)
{
    size_t letters = 0;
    while (letters < designator.size() && isLetter(designator[letters]))
        ++letters;
    const std::string_view digits = designator.substr(letters);
    if (letters == 0 || digits.empty() || digits.size() > 5 || !std::all_of(digits.begin(), digits.end(), isDigit))
        return false;
    long value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    if (value > kMaxReferenceNumber)
        return false;
    prefix = plat::upperCaseAscii(designator.substr(0, letters));
    number = static_cast<int>(value);
    return true;
}

ReferenceListResult ParseReferenceList(std::string_view text)
{
    std::vector<ReferencePart> parts;
    std::unordered_set<std::string> seen;
    size_t lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() > kMaxReferenceLineChars)
            return ReferenceListError{lineNumber, "the line is too long"};
        if (line.find('\0') != std::string_view::npos)
            return ReferenceListError{lineNumber, "the line holds a zero byte"};
        const std::vector<std::string_view> w = plat::LineWords(line);
        if (w.empty())
            continue;
        if (w.size() < 3)
            return ReferenceListError{lineNumber, "a designator, a part and a package are expected"};
        ReferencePart part;
        if (w[0].size() > kMaxDesignatorChars || !SplitDesignator(w[0], part.prefix, part.number))
            return ReferenceListError{lineNumber, "\"" + std::string(w[0].substr(0, kMaxDesignatorChars)) +
                                                      "\" is not a reference designator"};
        part.designator = part.prefix + std::to_string(part.number);
        if (plat::upperCaseAscii(w[0]) != part.designator)
            return ReferenceListError{lineNumber, "\"" + std::string(w[0]) + "\" is not a reference designator"};
        const std::string_view package = w.back();
        if (package != "none") {
            if (!isPackageName(package))
                return ReferenceListError{lineNumber, "\"" + std::string(package.substr(0, kMaxPackageNameChars)) +
                                                          "\" is not a package name"};
            part.package = plat::upperCaseAscii(package);
        }
        const size_t from = static_cast<size_t>(w[1].data() - line.data());
        const size_t to = static_cast<size_t>(package.data() - line.data());
        part.libraryPart = std::string(line.substr(from, to - from));
        while (!part.libraryPart.empty() && part.libraryPart.back() == ' ')
            part.libraryPart.pop_back();
        if (!seen.insert(part.designator).second)
            return ReferenceListError{lineNumber, part.designator + " is listed twice"};
        if (parts.size() == kMaxReferenceParts)
            return ReferenceListError{0, "more than " + std::to_string(kMaxReferenceParts) + " parts"};
        parts.push_back(std::move(part));
    }
    if (parts.empty())
        return ReferenceListError{0, "no parts"};
    return parts;
}

std::string DescribeReferenceError(const ReferenceListError& error)
{
    if (error.line == 0)
        return "The reference list has " + error.reason + ".";
    return "Line " + std::to_string(error.line) + " of the reference list: " + error.reason + ".";
}
