#include "platform/system/desktop_entries.h"

#include "platform/core/archive.h"
#include "platform/core/atomic_file.h"
#include "platform/system/paths.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <vector>

extern char** environ;

namespace plat {

namespace {

namespace fs = std::filesystem;

std::string envFolder(const char* variable, const char* underHome)
{
    if (const char* v = std::getenv(variable); v && *v == '/')
        return v;
    const char* home = std::getenv("HOME");
    return joinPath(home && *home ? home : "/tmp", underHome);
}

// The desktop's own lists are a few kilobytes; anything far larger is not one of them.
constexpr std::uintmax_t kMaxListBytes = std::uintmax_t{4} << 20;

// The text of a list, "" when there is none; nothing when one is there but cannot be read (a
// folder, a pipe, too large, unreadable), so that it is not written over with our lines alone.
// code, when given, receives the system's error number for why it could not be read.
std::optional<std::string> readText(const fs::path& path, int* code = nullptr)
{
    LoadFailure failure = LoadFailure::CannotOpen;
    errno = 0;
    if (const std::optional<Archive> file = Archive::loadFile(path.string(), kMaxListBytes, &failure))
        return std::string(file->bytes().begin(), file->bytes().end());
    const int why = errno;
    std::error_code ec;
    if (failure == LoadFailure::CannotOpen && !fs::exists(fs::symlink_status(path, ec)))
        return std::string();
    if (code)
        *code = failure == LoadFailure::TooLarge ? EFBIG
              : failure == LoadFailure::NotAFile ? (fs::is_directory(path, ec) ? EISDIR : EINVAL)
              : why != 0 ? why : EIO;
    return std::nullopt;
}

WriteResult writeText(const fs::path& path, std::string_view text)
{
    // A folder that cannot be made says so with its own reason (a read-only disk), not with the
    // "No such file or directory" the file's creation would report after it.
    std::error_code ec;
    if (!fs::create_directories(path.parent_path(), ec) && ec)
        return WriteError{path.string(), ec.value(), WriteError::Step::Create};
    return writeFileAtomically(path.string(), text);
}

// A value of a desktop entry's Exec key: quoted when it holds characters the key reserves.
std::string execArgument(std::string_view path)
{
    if (path.find_first_of(" \t\"'\\$`<>|&;*?#()") == std::string_view::npos)
        return std::string(path);
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// Escapes for a string value of a desktop entry (backslash, line breaks).
std::string entryValue(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r' || c == '\t')
            out += ' ';
        else
            out += c;
    }
    return out;
}

std::string xmlEscaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// A key file's lines as they stand, a carriage return before a line end kept, so that a rewrite
// gives back every line it does not change byte for byte.
std::vector<std::string> rawLinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A raw line without the carriage return of a CR LF line end.
std::string_view lineContent(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// The value of key in [section] of a key file's text, or "".
std::string keyFileValue(const std::string& text, std::string_view section, std::string_view key)
{
    bool inSection = false;
    for (const auto& raw : rawLinesOf(text)) {
        const std::string_view line = lineContent(raw);
        if (!line.empty() && line[0] == '[') {
            inSection = line == "[" + std::string(section) + "]";
            continue;
        }
        if (inSection && line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=')
            return std::string(line.substr(key.size() + 1));
    }
    return {};
}

// Adds app to key's list in [section], creating the section or key as needed; the other
// entries of the list and the file stay as they were.
std::string withAddedAssociation(const std::string& text, std::string_view section, std::string_view key,
                                 std::string_view app)
{
    std::vector<std::string> lines = rawLinesOf(text);
    const std::string header = "[" + std::string(section) + "]";
    const std::string keyIs = std::string(key) + "=";
    const auto startsSection = [&](size_t i) {
        const std::string_view line = lineContent(lines[i]);
        return !line.empty() && line[0] == '[';
    };
    size_t sectionAt = lines.size();
    for (size_t i = 0; i < lines.size(); ++i)
        if (lineContent(lines[i]) == header)
            sectionAt = i;
    if (sectionAt == lines.size()) {
        lines.push_back(header);
        lines.push_back(keyIs + std::string(app) + ";");
    } else {
        size_t i = sectionAt + 1;
        for (; i < lines.size() && !startsSection(i); ++i) {
            if (!lineContent(lines[i]).starts_with(keyIs))
                continue;
            std::string list(lineContent(lines[i]));
            const std::string lineEnd = lines[i].substr(list.size());
            if (("=" + list.substr(key.size() + 1)).find("=" + std::string(app) + ";") == std::string::npos &&
                list.find(";" + std::string(app) + ";") == std::string::npos) {
                if (list.back() != ';' && list.back() != '=')
                    list += ';';
                list += std::string(app) + ";";
            }
            lines[i] = list + lineEnd;
            break;
        }
        if (i == lines.size() || startsSection(i))
            lines.insert(lines.begin() + static_cast<long>(i), keyIs + std::string(app) + ";");
    }
    std::string out;
    for (const auto& l : lines)
        out += l + "\n";
    return out;
}

// Refreshes the user's MIME cache when the desktop's tool for it is installed; the
// definition file alone is read by desktops that rebuild the cache themselves.
void updateMimeDatabase(const std::string& folder)
{
    const char* argv[] = {"update-mime-database", folder.c_str(), nullptr};
    pid_t pid = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, const_cast<char**>(argv), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

std::string userDataFolder() { return envFolder("XDG_DATA_HOME", ".local/share"); }
std::string userConfigFolder() { return envFolder("XDG_CONFIG_HOME", ".config"); }

WriteResult writeDesktopEntry(std::string_view group, const DesktopEntry& entry)
{
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
    text += "Name=" + entryValue(entry.name) + "\n";
    text += "Exec=" + execArgument(entry.exec) + " %f\n";
    text += "Path=" + entryValue(entry.path) + "\n";
    if (!entry.icon.empty())
        text += "Icon=" + entryValue(entry.icon) + "\n";
    text += "Terminal=false\nCategories=Development;Electronics;\n";
    return writeText(fs::path(userDataFolder()) / "applications" / std::string(group) / (entry.name + ".desktop"), text);
}

std::string defaultApplicationFor(std::string_view mimeType)
{
    std::vector<fs::path> lists{fs::path(userConfigFolder()) / "mimeapps.list",
                                fs::path(userDataFolder()) / "applications" / "mimeapps.list"};
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    std::istringstream systemDirs(dirs && *dirs ? dirs : "/usr/local/share:/usr/share");
    for (std::string dir; std::getline(systemDirs, dir, ':');)
        if (!dir.empty())
            lists.push_back(fs::path(dir) / "applications" / "mimeapps.list");
    for (const auto& list : lists) {
        const std::string value = keyFileValue(readText(list).value_or(""), "Default Applications", mimeType);
        if (const size_t end = value.find(';'); !value.empty())
            return value.substr(0, end);
    }
    return {};
}

WriteResult associateWithTextEditor(std::string_view mimeType, std::string_view glob, std::string_view comment)
{
    const fs::path mimeFolder = fs::path(userDataFolder()) / "mime";
    std::string name(mimeType);
    for (char& c : name)
        if (c == '/')
            c = '-';
    const std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                            "  <mime-type type=\"" + xmlEscaped(mimeType) + "\">\n"
                            "    <comment>" + xmlEscaped(comment) + "</comment>\n"
                            "    <sub-class-of type=\"text/plain\"/>\n"
                            "    <glob pattern=\"" + xmlEscaped(glob) + "\"/>\n"
                            "  </mime-type>\n"
                            "</mime-info>\n";
    if (WriteResult written = writeText(mimeFolder / "packages" / (name + ".xml"), xml); !written)
        return written;
    updateMimeDatabase(mimeFolder.string());
    const std::string editor = defaultApplicationFor("text/plain");
    if (editor.empty())
        return {};   // plain text's own association applies to a kind of plain text
    const fs::path list = fs::path(userConfigFolder()) / "mimeapps.list";
    int code = 0;
    const std::optional<std::string> before = readText(list, &code);
    if (!before)
        return WriteError{list.string(), code, WriteError::Step::Create};
    return writeText(list, withAddedAssociation(*before, "Added Associations", mimeType, editor));
}

}  // namespace plat
