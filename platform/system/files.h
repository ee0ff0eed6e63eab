#pragma once
// Files and folders as the programs see them. The programs build paths in whatever case they
// like (upper-cased library folders, "Title.PIC", "%sSEMICON.MOD"); every file they open goes
// through resolvePath, which finds what is on disk regardless of case.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/archive.h"

namespace plat {

// Matches each component of path against the disk, exact case first, then case-insensitively
// (the byte-wise first of several candidates). When a component does not exist, it and the rest
// are kept as given, so a file about to be created keeps its name inside resolved folders.
// A relative path stays relative (to the current folder).
std::string resolvePath(std::string_view path);

bool fileExists(std::string_view path);     // an existing regular file (after resolution)
bool folderExists(std::string_view path);
// Anything at all at path after resolution: a file, folder, pipe or device. A reader that is to
// refuse what is not a file by its kind asks this, not fileExists, before it calls it missing.
bool pathExists(std::string_view path);
// An existing file that nobody may write (no write permission bit set), after resolution.
bool isReadOnlyFile(std::string_view path);
bool deleteFile(std::string_view path);
// Renames (replacing an existing target) within one file system; false on failure.
bool renameFile(std::string_view from, std::string_view to);
// Creation and modification times of an existing file, after resolution.
std::optional<FileTimes> fileTimesOf(std::string_view path);

// What tells one version of a file from the next: any write (in place or by replacing the file)
// changes it.
struct FileStamp {
    long long modifiedNs = 0;
    unsigned long long size = 0;
    unsigned long long inode = 0;
    unsigned long long device = 0;
    bool operator==(const FileStamp&) const = default;
};
// The stamp of an existing file, after resolution; nullopt when there is none.
std::optional<FileStamp> fileStampOf(std::string_view path);

// Names (not paths) of the regular files that match a "folder/pattern" such as
// "/opt/q/LIB/*.CAT", compared case-insensitively (matchesWildcard in paths.h), sorted
// case-insensitively. A pattern without a folder lists the current folder.
std::vector<std::string> listFiles(std::string_view folderPattern);

// The folder of the executable, without a final separator. Taken from setProgramFolder when set
// (tests, the program start), else from $QUILL_PROGRAM_DIR (build-tree test runs), else from
// the running executable.
std::string programFolder();
void setProgramFolder(std::string folder);   // "" returns to the default

// The current folder without a final separator ("" when it cannot be read).
std::string currentFolder();
bool setCurrentFolder(std::string_view folder);

// The suite's per-user configuration folder (the registry store lives there): set by
// setConfigFolder, else $QUILL_CONFIG_HOME, else $XDG_CONFIG_HOME/Quillmere, else
// ~/.config/Quillmere. It need not exist yet.
std::string configFolder();
void setConfigFolder(std::string folder);    // "" returns to the default

}  // namespace plat
