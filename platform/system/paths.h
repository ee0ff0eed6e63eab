#pragma once
// String helpers for the places where the programs cut and build paths. Paths are native, with
// '/' between components; a folder may be written with or without a final '/'. Nothing here
// touches the disk (see files.h for that).

#include <optional>
#include <string>
#include <string_view>

namespace plat {

inline constexpr char kPathSeparator = '/';

bool isAbsolutePath(std::string_view path);

// folder + "/" + name with exactly one separator between them; an empty folder gives name.
std::string joinPath(std::string_view folder, std::string_view name);
// joinPath and a final separator: library folders are kept ending in one.
std::string appendFolder(std::string_view folder, std::string_view name);
std::string withTrailingSeparator(std::string_view folder);
// Drops final separators, but "/" stays "/".
std::string withoutTrailingSeparator(std::string_view folder);

// The part of path before the last component named folderName (case-insensitively), without a
// final separator: cutAtFolder("/opt/q/lib/LIB/", "LIB") is "/opt/q/lib". The last match is the
// one wanted because folders above the program folder may carry the same name (/usr/lib/...).
// Nothing when no component has that name.
std::optional<std::string> cutAtFolder(std::string_view path, std::string_view folderName);

// The last component ("" for a path ending in '/').
std::string fileNameOf(std::string_view path);
// Everything before the last component, without a final separator: "" for a bare name, "/" for
// a file in the root folder.
std::string folderOf(std::string_view path);

// The file name's extension from its last '.', dot included (".PIC"); "" when it has none.
std::string extensionOf(std::string_view path);
// ext is given with its dot; compared case-insensitively.
bool hasExtension(std::string_view path, std::string_view ext);
// Replaces the extension (or appends ext when there is none); an empty ext removes it.
std::string replaceExtension(std::string_view path, std::string_view ext);

// The whole path upper-cased (ASCII letters only); files.h's resolution still finds the file.
std::string upperCasePath(std::string_view path);
// Only the file name upper-cased, its folder kept as given: finding the file then looks for
// the name in that one folder instead of matching every folder above it in another case.
std::string upperCaseFileName(std::string_view path);

// Matches a file name against a pattern with '*' and '?', case-insensitively. A pattern ending
// in ".*" also matches names without an extension ("*.*" matches every name).
bool matchesWildcard(std::string_view name, std::string_view pattern);

}  // namespace plat
