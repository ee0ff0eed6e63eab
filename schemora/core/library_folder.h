#pragma once
// Where the schematic program finds its part libraries, its title block and "schemora.ini".
//
// Started with a command line (a drawing opened from the file manager), the program may be
// running in any folder, so the library folder comes from the registry value
// "Settings"/"library_path" that the last plain start stored. A plain start runs in the program
// folder and takes "LIB" below it.

#include <string>
#include <string_view>

inline constexpr std::string_view kRegistryCompany = "Quillmere";
inline constexpr std::string_view kRegistryApp = "Schemora";
inline constexpr std::string_view kRegistrySection = "Settings";
inline constexpr std::string_view kRegistryLibraryPath = "library_path";
inline constexpr std::string_view kIniFileName = "schemora.ini";

// Sets g_folders.libraryFolder (ending in a separator) and g_folders.programFolder from
// g_folders.commandLineFlag, the registry and the current folder.
void LocateLibraryFolder();

// The folder of "schemora.ini": the library folder cut at its "LIB" folder after a start with a
// command line, else the current folder.
std::string SettingsIniFolder();

// The path of a file that lives beside the part libraries' folder rather than in it (the title
// block, the SPICE model files): the library folder cut at its "LIB" folder, or the current
// folder when the library folder has none.
std::string ProgramFilePath(std::string_view name);

// The program's home when the current folder cannot be read: "schemora" in the user's home
// folder ($HOME, or the system's temporary folder without one).
std::string FallbackProgramFolder();
