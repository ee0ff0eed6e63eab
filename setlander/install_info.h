#pragma once
// The installation description read from "INSTALL.INF": the application's name and default
// folder, the disks, the folders to create, the files to copy and the shortcuts to make. The
// installer reads it only through GetInstallInfo, whose operation numbers index the tables.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Field capacities in bytes, the terminating zero included: a longer value is cut to one less.
inline constexpr size_t kAppNameSize = 40;
inline constexpr size_t kDefDirSize = 66;
inline constexpr size_t kPmGroupFirstSize = 14;
inline constexpr size_t kPmGroupSecondSize = 32;
inline constexpr size_t kDiskLabelSize = 50;
inline constexpr size_t kDirPathSize = 50;
inline constexpr size_t kFileDescriptionSize = 50;
inline constexpr size_t kFileNameSize = 14;
inline constexpr size_t kShortcutTitleSize = 30;

inline constexpr size_t kMaxDisks = 10;
inline constexpr size_t kMaxDirs = 15;
inline constexpr size_t kMaxFiles = 200;
inline constexpr size_t kMaxShortcuts = 20;

// The whole file is read, up to this size; a longer file is not read at all, since a list cut
// short would install part of an application.
inline constexpr size_t kInstallInfMaxSize = 1 << 20;

struct InstallDiskEntry {
    int16_t number = 0;
    std::string label;
};

struct InstallDirEntry {
    int16_t number = 0;
    std::string path;           // relative to the installation folder
};

struct InstallFileEntry {
    std::string description;
    std::string fileName;
    int16_t folderNumber = 0;
    int16_t diskNumber = 0;
    int32_t archive = 0;        // 1: a zip archive to unpack after copying
};

struct ShortcutEntry {
    std::string fileName;       // relative to the installation folder
    std::string title;
    std::string iconFile;       // empty with iconIndex 0 when the line names no icon
    int16_t iconIndex = 0;
};

struct InstallInfo {
    std::string appName;
    std::string defDir;
    uint16_t spaceNeeded = 0;   // kilobytes
    std::string pmGroupFirst;
    std::string pmGroupSecond;  // the Start-menu folder name
    std::vector<InstallDiskEntry> disks;
    std::vector<InstallDirEntry> dirs;
    std::vector<InstallFileEntry> files;
    std::vector<ShortcutEntry> shortcuts;
    // What the parse had to cut or leave out ("DefDir cut to 65 characters", "[Files] entry 201
    // not stored"), so the installer can say so instead of installing something else silently.
    std::vector<std::string> problems;
    // Why the file was not taken at all ("line 5 holds a NUL byte; the file was not read"); ""
    // when it was parsed. Not a value that did not fit, so it is told under a heading of its own.
    std::string refusal;
    // Entries were left out of a table, or the file was not read: installing from what was
    // stored would install part of the application.
    bool entriesLeftOut = false;
};

// The description of the running installation; cleared by every parse.
extern InstallInfo g_installInfo;

// Parses the text of an INSTALL.INF into g_installInfo. Lines may end in CR LF, LF or CR.
void ParseInstallInf(std::string_view text);

// Leading decimal digits as a 16-bit value (wrapping as 16 bits do); no digits give 0.
int16_t ParseDecimal(std::string_view text);
// Blanks and tabs removed from both ends.
std::string_view TrimBlanks(std::string_view line);

// The accessor the installer reads the description through; op numbers as listed in
// install_info.cpp. Texts are copied into buffer; op 0 loads the file named by buffer
// (0 success, 1 no memory, 2 the file cannot be opened).
int32_t GetInstallInfo(int op, int index, std::string& buffer);
