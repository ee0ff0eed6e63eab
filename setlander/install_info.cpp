#include "setlander/install_info.h"

#include "platform/core/input_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"

#include <algorithm>
#include <optional>

InstallInfo g_installInfo;

namespace {

enum class Section { None, Application, Disks, Dirs, Files, PmInfo, Other };

// Copies a value into a field of the given byte size, keeping one byte for the terminator;
// a value that does not fit is cut and the cut is reported.
std::string fieldValue(std::string_view value, size_t size, std::string_view what)
{
    if (value.size() < size)
        return std::string(value);
    g_installInfo.problems.push_back(std::string(what) + " \"" + std::string(value) + "\" cut to " +
                                     std::to_string(size - 1) + " characters");
    return std::string(value.substr(0, size - 1));
}

std::vector<std::string_view> splitFields(std::string_view line, size_t count)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (fields.size() + 1 < count) {
        const size_t comma = line.find(',', start);
        if (comma == std::string_view::npos)
            break;
        fields.push_back(TrimBlanks(line.substr(start, comma - start)));
        start = comma + 1;
    }
    fields.push_back(TrimBlanks(line.substr(std::min(start, line.size()))));
    fields.resize(count);
    return fields;
}

Section sectionNamed(std::string_view line)
{
    struct Name { const char* text; Section section; };
    static constexpr Name kNames[] = {{"[Application]", Section::Application}, {"[Disks]", Section::Disks},
                                      {"[Dirs]", Section::Dirs}, {"[Files]", Section::Files},
                                      {"[PM Info]", Section::PmInfo}};
    for (const auto& n : kNames)
        if (plat::equalsNoCase(line, n.text))
            return n.section;
    return Section::Other;
}

bool tableFull(size_t size, size_t capacity, std::string_view section)
{
    if (size < capacity)
        return false;
    const std::string problem =
        std::string(section) + " has more than " + std::to_string(capacity) + " entries; the rest were not stored";
    g_installInfo.entriesLeftOut = true;
    auto& problems = g_installInfo.problems;
    if (std::find(problems.begin(), problems.end(), problem) == problems.end())
        problems.push_back(problem);
    return true;
}

void parseApplicationLine(std::string_view key, std::string_view value)
{
    InstallInfo& info = g_installInfo;
    if (plat::equalsNoCase(key, "AppName")) {
        info.appName = fieldValue(value, kAppNameSize, "AppName");
    } else if (plat::equalsNoCase(key, "DefDir")) {
        info.defDir = fieldValue(value, kDefDirSize, "DefDir");
    } else if (plat::equalsNoCase(key, "SpaceNeeded")) {
        info.spaceNeeded = static_cast<uint16_t>(ParseDecimal(value));
    } else if (plat::equalsNoCase(key, "DefPMGroup")) {
        const auto parts = splitFields(value, 2);
        info.pmGroupFirst = fieldValue(parts[0], kPmGroupFirstSize, "DefPMGroup");
        info.pmGroupSecond = fieldValue(parts[1], kPmGroupSecondSize, "DefPMGroup");
    }
}

void parseKeyValueLine(Section section, std::string_view line)
{
    const size_t eq = line.find('=');
    const std::string_view key = TrimBlanks(line.substr(0, eq));
    const std::string_view value = eq == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(eq + 1));
    InstallInfo& info = g_installInfo;
    if (section == Section::Application) {
        parseApplicationLine(key, value);
    } else if (section == Section::Disks) {
        if (!tableFull(info.disks.size(), kMaxDisks, "[Disks]"))
            info.disks.push_back({ParseDecimal(key), fieldValue(value, kDiskLabelSize, "Disk label")});
    } else if (!tableFull(info.dirs.size(), kMaxDirs, "[Dirs]")) {
        info.dirs.push_back({ParseDecimal(key), fieldValue(value, kDirPathSize, "Folder")});
    }
}

// Appends the record a line of a table section describes: its count comma-separated fields
// made into an entry by parse. A full table takes no more (tableFull says so).
template <class Entry, class Parse>
void appendRecord(std::vector<Entry>& table, size_t maxEntries, const char* section, std::string_view line,
                  size_t count, Parse parse)
{
    if (!tableFull(table.size(), maxEntries, section))
        table.push_back(parse(splitFields(line, count)));
}

void parseFileLine(std::string_view line)
{
    appendRecord(g_installInfo.files, kMaxFiles, "[Files]", line, 5, [](const auto& f) {
        InstallFileEntry e;
        e.description = fieldValue(f[0], kFileDescriptionSize, "Description");
        e.fileName = fieldValue(f[1], kFileNameSize, "File name");
        e.folderNumber = ParseDecimal(f[2]);
        e.diskNumber = ParseDecimal(f[3]);
        e.archive = !f[4].empty() && (f[4][0] == 'Y' || f[4][0] == 'y') ? 1 : 0;
        return e;
    });
}

void parseShortcutLine(std::string_view line)
{
    appendRecord(g_installInfo.shortcuts, kMaxShortcuts, "[PM Info]", line, 4, [](const auto& f) {
        ShortcutEntry e;
        e.fileName = fieldValue(f[0], kFileNameSize, "Shortcut file");
        e.title = fieldValue(f[1], kShortcutTitleSize, "Shortcut title");
        e.iconFile = fieldValue(f[2], kFileNameSize, "Icon file");
        e.iconIndex = ParseDecimal(f[3]);
        return e;
    });
}

// The next line of text from pos, without its end (CR LF, LF or CR); pos moves past the end.
std::string_view nextLine(std::string_view text, size_t& pos)
{
    const size_t end = text.find_first_of("\r\n", pos);
    const std::string_view line = text.substr(pos, end == std::string_view::npos ? text.npos : end - pos);
    if (end == std::string_view::npos)
        pos = text.size();
    else
        pos = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    return line;
}

const InstallFileEntry* fileAt(int index)
{
    return index >= 0 && static_cast<size_t>(index) < g_installInfo.files.size() ? &g_installInfo.files[index] : nullptr;
}

const ShortcutEntry* shortcutAt(int index)
{
    return index >= 0 && static_cast<size_t>(index) < g_installInfo.shortcuts.size() ? &g_installInfo.shortcuts[index]
                                                                                     : nullptr;
}

template <class Entry> int lastIndexOfNumber(const std::vector<Entry>& table, int number)
{
    for (int i = static_cast<int>(table.size()) - 1; i >= 0; --i)
        if (table[i].number == number)
            return i;
    return -1;
}

// Puts the text of the last table entry numbered number into buffer (empty when there is
// none) and answers number.
template <class Entry>
int32_t numberedText(const std::vector<Entry>& table, int number, const std::string Entry::*text, std::string& buffer)
{
    const int at = lastIndexOfNumber(table, number);
    buffer = at >= 0 ? table[at].*text : std::string();
    return number;
}

int folderIndexOfFile(std::string_view name)
{
    for (const auto& f : g_installInfo.files)
        if (plat::equalsNoCase(f.fileName, name))
            return lastIndexOfNumber(g_installInfo.dirs, f.folderNumber);
    return -1;
}

// Leaves an empty description that says why the file was not taken, so nothing is installed.
int32_t refuseWholeFile(std::string why)
{
    g_installInfo = InstallInfo{};
    g_installInfo.entriesLeftOut = true;
    g_installInfo.refusal = std::move(why);
    return 0;
}

size_t lineNumberAt(std::string_view text, size_t offset)
{
    size_t line = 1;
    for (size_t pos = 0; nextLine(text, pos), pos <= offset && pos < text.size();)
        ++line;
    return line;
}

int32_t loadInstallInf(const std::string& path)
{
    const std::string resolved = plat::resolvePath(path);
    plat::InputFile::Failure failure = plat::InputFile::Failure::None;
    const std::optional<std::string> read = plat::readFileStart(resolved, kInstallInfMaxSize + 1, &failure);
    if (failure == plat::InputFile::Failure::NotAFile) {
        refuseWholeFile(plat::notAFileText(resolved));
        return 2;
    }
    if (!read) {
        g_installInfo = InstallInfo{};
        return 2;
    }
    const std::string& text = *read;
    if (text.size() > kInstallInfMaxSize)
        return refuseWholeFile("the file is larger than " + std::to_string(kInstallInfMaxSize) +
                               " bytes and was not read");
    // A NUL byte ends the text for any reader that takes it as a string, so whatever stands after
    // it would be left out of the installation without a word.
    if (const size_t zero = text.find('\0'); zero != std::string::npos)
        return refuseWholeFile("line " + std::to_string(lineNumberAt(text, zero)) +
                               " holds a NUL byte; the file was not read");
    // Parsing a full table of entries takes a moment on the media's slow drives.
    const plat::WaitCursor wait;
    ParseInstallInf(text);
    return 0;
}

}  // namespace

std::string_view TrimBlanks(std::string_view line)
{
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = line.find_last_not_of(" \t");
    return line.substr(first, last - first + 1);
}

int16_t ParseDecimal(std::string_view text)
{
    uint16_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        value = static_cast<uint16_t>(value * 10 + (c - '0'));
    }
    return static_cast<int16_t>(value);
}

void ParseInstallInf(std::string_view text)
{
    g_installInfo = InstallInfo{};
    Section section = Section::None;
    size_t pos = 0;
    while (pos < text.size()) {
        const std::string_view line = TrimBlanks(nextLine(text, pos));
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            if (plat::equalsNoCase(line, "[End]"))
                return;
            section = sectionNamed(line);
            continue;
        }
        switch (section) {
        case Section::Application:
        case Section::Disks:
        case Section::Dirs:
            parseKeyValueLine(section, line);
            break;
        case Section::Files:
            parseFileLine(line);
            break;
        case Section::PmInfo:
            parseShortcutLine(line);
            break;
        default:
            break;
        }
    }
}

int32_t GetInstallInfo(int op, int index, std::string& buffer)
{
    const InstallInfo& info = g_installInfo;
    const auto text = [&buffer](const std::string& value) { buffer = value; return 0; };
    switch (op) {
    case 0: return loadInstallInf(buffer);
    case 1: return text(info.appName);
    case 2: return text(info.defDir);
    case 3: return info.spaceNeeded;
    case 4: return static_cast<int32_t>(info.disks.size());
    case 5: return index >= 0 && static_cast<size_t>(index) < info.disks.size() ? text(info.disks[index].label) : 0;
    case 6: return lastIndexOfNumber(info.disks, index);
    case 7: return static_cast<int32_t>(info.dirs.size());
    case 8: return index >= 0 && static_cast<size_t>(index) < info.dirs.size() ? text(info.dirs[index].path) : 0;
    case 9: return lastIndexOfNumber(info.dirs, index);
    case 10: return static_cast<int32_t>(info.files.size());
    case 11: return fileAt(index) ? text(fileAt(index)->description) : 0;
    case 12: return fileAt(index) ? text(fileAt(index)->fileName) : 0;
    // A folder number with no [Dirs] entry gives an empty path; the installer refuses such a
    // file rather than copy it somewhere unintended.
    case 13: return fileAt(index) ? numberedText(info.dirs, fileAt(index)->folderNumber, &InstallDirEntry::path, buffer) : 0;
    case 14: return fileAt(index) ? numberedText(info.disks, fileAt(index)->diskNumber, &InstallDiskEntry::label, buffer) : 0;
    case 15: return fileAt(index) ? fileAt(index)->archive : 0;
    case 16: return folderIndexOfFile(buffer);
    case 17: return text(info.pmGroupSecond);
    case 18: return text(info.pmGroupFirst);
    case 19: return static_cast<int32_t>(info.shortcuts.size());
    case 20:
        if (!shortcutAt(index))
            return 0;
        buffer = shortcutAt(index)->fileName;
        return folderIndexOfFile(buffer);
    case 21: return shortcutAt(index) ? text(shortcutAt(index)->title) : 0;
    case 22: {
        const ShortcutEntry* s = shortcutAt(index);
        if (!s)
            return 0;
        buffer = s->iconFile.empty() ? s->fileName : s->iconFile;
        const int32_t folder = folderIndexOfFile(buffer);
        return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(s->iconIndex)) << 16) |
                                    static_cast<uint16_t>(folder));
    }
    default: return 0;
    }
}
