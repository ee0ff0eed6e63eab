#include "platform/system/files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/system/ascii_case.h"
#include "platform/system/paths.h"

namespace plat {

namespace fs = std::filesystem;

namespace {

std::string& programFolderOverride()
{
    static std::string folder;
    return folder;
}

std::string& configFolderOverride()
{
    static std::string folder;
    return folder;
}

bool entryExists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// The name inside folder that equals name case-insensitively; the byte-wise first of several
// so that the choice does not depend on the order the file system lists them in.
std::optional<std::string> findNoCase(const std::string& folder, std::string_view name)
{
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec)
        return std::nullopt;
    std::optional<std::string> best;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::string candidate = it->path().filename().string();
        if (equalsNoCase(candidate, name) && (!best || candidate < *best))
            best = std::move(candidate);
    }
    return best;
}

std::string envOrEmpty(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string homeFolder()
{
    std::string home = envOrEmpty("HOME");
    if (!home.empty())
        return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return {};
}

}  // namespace

std::string resolvePath(std::string_view path)
{
    std::string given(path);
    if (given.empty() || entryExists(given))
        return given;

    std::string out = isAbsolutePath(path) ? "/" : "";
    bool missing = false;   // once a component is missing, the rest is kept as given
    size_t pos = 0;
    while (pos < path.size()) {
        const size_t slash = path.find(kPathSeparator, pos);
        const size_t end = slash == std::string_view::npos ? path.size() : slash;
        const std::string_view component = path.substr(pos, end - pos);
        pos = end + 1;
        if (component.empty())
            continue;
        std::string candidate = joinPath(out, component);
        if (!missing && component != "." && component != ".." && !entryExists(candidate)) {
            if (auto match = findNoCase(out, component))
                candidate = joinPath(out, *match);
            else
                missing = true;
        }
        out = std::move(candidate);
    }
    if (path.back() == kPathSeparator)
        out = withTrailingSeparator(out);
    return out;
}

bool fileExists(std::string_view path)
{
    struct stat st {};
    return ::stat(resolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isReadOnlyFile(std::string_view path)
{
    struct stat st {};
    return ::stat(resolvePath(path).c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool pathExists(std::string_view path)
{
    struct stat st {};
    return ::stat(resolvePath(path).c_str(), &st) == 0;
}

bool folderExists(std::string_view path)
{
    struct stat st {};
    return ::stat(resolvePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool deleteFile(std::string_view path)
{
    return ::unlink(resolvePath(path).c_str()) == 0;
}

bool renameFile(std::string_view from, std::string_view to)
{
    return std::rename(resolvePath(from).c_str(), resolvePath(to).c_str()) == 0;
}

std::optional<FileTimes> fileTimesOf(std::string_view path)
{
    return fileTimes(resolvePath(path));
}

std::optional<FileStamp> fileStampOf(std::string_view path)
{
    struct stat st {};
    if (::stat(resolvePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    FileStamp stamp;
    stamp.modifiedNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    stamp.size = static_cast<unsigned long long>(st.st_size);
    stamp.inode = static_cast<unsigned long long>(st.st_ino);
    stamp.device = static_cast<unsigned long long>(st.st_dev);
    return stamp;
}

std::vector<std::string> listFiles(std::string_view folderPattern)
{
    const size_t slash = folderPattern.rfind(kPathSeparator);
    std::string folder = slash == std::string_view::npos
        ? std::string(".")
        : resolvePath(folderPattern.substr(0, slash == 0 ? 1 : slash));
    const std::string_view pattern =
        slash == std::string_view::npos ? folderPattern : folderPattern.substr(slash + 1);

    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return names;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (pattern.empty() || matchesWildcard(name, pattern))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return lessNoCaseStable(a, b); });
    return names;
}

std::string programFolder()
{
    if (!programFolderOverride().empty())
        return programFolderOverride();
    if (std::string fromEnv = envOrEmpty("QUILL_PROGRAM_DIR"); !fromEnv.empty())
        return withoutTrailingSeparator(fromEnv);
    static const std::string fromExecutable = [] {
        std::error_code ec;
        const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        return ec ? currentFolder() : exe.parent_path().string();
    }();
    return fromExecutable;
}

void setProgramFolder(std::string folder)
{
    programFolderOverride() = folder.empty() ? std::string() : withoutTrailingSeparator(folder);
}

std::string currentFolder()
{
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    return ec ? std::string() : cwd.string();
}

bool setCurrentFolder(std::string_view folder)
{
    return ::chdir(resolvePath(folder).c_str()) == 0;
}

std::string configFolder()
{
    if (!configFolderOverride().empty())
        return configFolderOverride();
    if (std::string fromEnv = envOrEmpty("QUILL_CONFIG_HOME"); !fromEnv.empty())
        return withoutTrailingSeparator(fromEnv);
    // The base directory specification ignores relative values.
    if (std::string xdg = envOrEmpty("XDG_CONFIG_HOME"); isAbsolutePath(xdg))
        return joinPath(xdg, "Quillmere");
    return joinPath(joinPath(homeFolder(), ".config"), "Quillmere");
}

void setConfigFolder(std::string folder)
{
    configFolderOverride() = folder.empty() ? std::string() : withoutTrailingSeparator(folder);
}

}  // namespace plat
