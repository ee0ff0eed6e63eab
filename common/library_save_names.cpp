#include "common/library_save_names.h"

#include <algorithm>
#include <cctype>

namespace quill {

namespace {

std::string_view cutAtDot(std::string_view name) { return name.substr(0, name.find('.')); }

// A name kept whole still needs a character before its first dot: ".X" is an extension alone.
std::string_view readName(std::string_view name, PartNameDots dots)
{
    return dots == PartNameDots::KeepWhole && !name.starts_with('.') ? name : cutAtDot(name);
}

bool tooLongOrBlank(std::string_view name)
{
    return name.size() > static_cast<size_t>(kMaxLibraryNameChars) || name.find(' ') != std::string_view::npos;
}

bool hasForbiddenCharacter(std::string_view name)
{
    return std::any_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32;
    });
}

}  // namespace

std::string PartNameOf(std::string_view listed, PartNameDots dots)
{
    return std::string(readName(listed, dots));
}

std::variant<std::string, std::string_view> CheckPartName(std::string_view typed, PartNameDots dots)
{
    const std::string_view name = readName(typed, dots);
    if (name.empty())
        return kMsgEnterPartName;
    if (tooLongOrBlank(name) || hasForbiddenCharacter(name))
        return kMsgInvalidPartName;
    return std::string(name);
}

std::variant<std::string, std::string_view> CheckLibraryFileName(std::string_view typed,
                                                                 std::string_view extension)
{
    if (typed.empty())
        return kMsgEnterLibraryName;
    const std::string_view base = cutAtDot(typed);
    if (base.empty() || tooLongOrBlank(base) || hasForbiddenCharacter(base))
        return kMsgInvalidLibraryName;
    return std::string(base) + std::string(extension);
}

bool SameLibraryFile(std::string_view listed, std::string_view typed)
{
    return listed.size() == typed.size() &&
           std::equal(listed.begin(), listed.end(), typed.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
           });
}

}  // namespace quill
