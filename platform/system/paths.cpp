#include "platform/system/paths.h"

#include "platform/system/ascii_case.h"

namespace plat {

namespace {

size_t nameStart(std::string_view path)
{
    const size_t slash = path.rfind(kPathSeparator);
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// Position of the extension's dot inside path, or npos.
size_t extensionDot(std::string_view path)
{
    const size_t start = nameStart(path);
    const size_t dot = path.rfind('.');
    return (dot == std::string_view::npos || dot < start) ? std::string_view::npos : dot;
}

bool matchFrom(std::string_view name, std::string_view pattern)
{
    // Iterative matcher with one backtrack point: linear in practice, never recursive.
    size_t n = 0, p = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size()
                   && (pattern[p] == '?' || toLowerAscii(pattern[p]) == toLowerAscii(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace

bool isAbsolutePath(std::string_view path)
{
    return !path.empty() && path.front() == kPathSeparator;
}

std::string withTrailingSeparator(std::string_view folder)
{
    std::string out(folder);
    if (out.empty() || out.back() != kPathSeparator)
        out += kPathSeparator;
    return out;
}

std::string withoutTrailingSeparator(std::string_view folder)
{
    while (folder.size() > 1 && folder.back() == kPathSeparator)
        folder.remove_suffix(1);
    return std::string(folder);
}

std::string joinPath(std::string_view folder, std::string_view name)
{
    if (folder.empty())
        return std::string(name);
    while (!name.empty() && name.front() == kPathSeparator)
        name.remove_prefix(1);
    return withTrailingSeparator(folder) + std::string(name);
}

std::string appendFolder(std::string_view folder, std::string_view name)
{
    return withTrailingSeparator(joinPath(folder, name));
}

std::optional<std::string> cutAtFolder(std::string_view path, std::string_view folderName)
{
    size_t end = path.size();
    while (end > 0) {
        const size_t slash = path.rfind(kPathSeparator, end - 1);
        const size_t begin = slash == std::string_view::npos ? 0 : slash + 1;
        if (equalsNoCase(path.substr(begin, end - begin), folderName)) {
            if (slash == std::string_view::npos)
                return std::string();
            return withoutTrailingSeparator(path.substr(0, slash == 0 ? 1 : slash));
        }
        if (slash == std::string_view::npos)
            break;
        end = slash;
    }
    return std::nullopt;
}

std::string fileNameOf(std::string_view path)
{
    return std::string(path.substr(nameStart(path)));
}

std::string folderOf(std::string_view path)
{
    const size_t start = nameStart(path);
    if (start == 0)
        return {};
    return withoutTrailingSeparator(path.substr(0, start));
}

std::string extensionOf(std::string_view path)
{
    const size_t dot = extensionDot(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

bool hasExtension(std::string_view path, std::string_view ext)
{
    return equalsNoCase(extensionOf(path), ext);
}

std::string replaceExtension(std::string_view path, std::string_view ext)
{
    const size_t dot = extensionDot(path);
    return std::string(path.substr(0, dot)) + std::string(ext);
}

std::string upperCasePath(std::string_view path)
{
    return upperCaseAscii(path);
}

std::string upperCaseFileName(std::string_view path)
{
    const size_t nameStart = path.size() - fileNameOf(path).size();
    return std::string(path.substr(0, nameStart)) + upperCaseAscii(path.substr(nameStart));
}

bool matchesWildcard(std::string_view name, std::string_view pattern)
{
    if (matchFrom(name, pattern))
        return true;
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*"
        && name.find('.') == std::string_view::npos)
        return matchFrom(name, pattern.substr(0, pattern.size() - 2));
    return false;
}

}  // namespace plat
