#include "schemora/core/library_folder.h"

#include "platform/system/app_profile.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "schemora/core/app_state.h"

#include <cstdlib>
#include <optional>

namespace {

constexpr std::string_view kLibraryFolderName = "LIB";

std::string currentOrFallback()
{
    std::string folder = plat::currentFolder();
    return folder.empty() ? FallbackProgramFolder() : folder;
}

// The registry's library path as the last plain start left it; nothing when it is empty or
// names no folder.
std::optional<std::string> libraryFromRegistry()
{
    std::string value = plat::GetProfileString(kRegistryCompany, kRegistryApp, kRegistrySection,
                                               kRegistryLibraryPath);
    value = value.substr(0, value.find('\n'));
    value.erase(value.find_last_not_of(' ') + 1);
    if (value.empty())
        return std::nullopt;
    value = plat::upperCasePath(value);
    if (!plat::isAbsolutePath(value)) {
        // A '-' stood for "the folder I am started in".
        const std::string current = currentOrFallback();
        value = value.find('-') != std::string::npos ? current : plat::joinPath(current, value);
    }
    // A program folder that was moved or removed since leaves a stale path behind: without its
    // title block the program could not start, so the plain start's rule finds the libraries.
    if (!plat::folderExists(value))
        return std::nullopt;
    return plat::withTrailingSeparator(value);
}

// A plain start: "LIB" below the current folder, remembered for starts with a command line.
std::string libraryBelowCurrentFolder()
{
    std::string folder = plat::appendFolder(currentOrFallback(), kLibraryFolderName);
    plat::WriteProfileString(kRegistryCompany, kRegistryApp, kRegistrySection, kRegistryLibraryPath,
                             plat::withoutTrailingSeparator(folder));
    return folder;
}

std::string cutAtLibraryFolder(std::string_view libraryFolder)
{
    if (auto home = plat::cutAtFolder(libraryFolder, kLibraryFolderName))
        return *home;
    return plat::withoutTrailingSeparator(libraryFolder);
}

}  // namespace

std::string ProgramFilePath(std::string_view name)
{
    if (auto home = plat::cutAtFolder(g_folders.libraryFolder, kLibraryFolderName))
        return plat::joinPath(*home, name);
    return std::string(name);
}

std::string FallbackProgramFolder()
{
    const char* home = std::getenv("HOME");
    const std::string base = (home && *home) ? std::string(home) : std::string("/tmp");
    return plat::joinPath(base, "schemora");
}

void LocateLibraryFolder()
{
    std::optional<std::string> library;
    if (g_folders.commandLineFlag)
        library = libraryFromRegistry();
    // With no stored path the plain start's rule still finds the libraries beside the program.
    if (!library)
        library = libraryBelowCurrentFolder();
    g_folders.libraryFolder = *library;
    g_folders.programFolder = plat::upperCasePath(cutAtLibraryFolder(g_folders.libraryFolder));
}

std::string SettingsIniFolder()
{
    if (g_folders.commandLineFlag)
        return cutAtLibraryFolder(g_folders.libraryFolder);
    return currentOrFallback();
}
