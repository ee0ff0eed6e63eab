#include "platform/system/startup.h"

#include <array>
#include <filesystem>

#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"

namespace plat {

namespace {

constexpr std::array<std::string_view, 7> kSwitches = {
    "p", "pt", "dde", "Embedding", "Automation", "Unregister", "Unregserver"};

// "/pt" is followed by the file and then by the printer, driver and port names.
constexpr int kPrinterArgumentsAfterPt = 3;

std::string absoluteIn(std::string_view folder, const std::string& argument)
{
    if (argument.empty() || isAbsolutePath(argument))
        return argument;
    return std::filesystem::path(joinPath(folder, argument)).lexically_normal().string();
}

bool isFrameworkSwitch(std::string_view argument)
{
    if (argument.size() < 2 || (argument.front() != '/' && argument.front() != '-'))
        return false;
    const std::string_view name = argument.substr(1);
    for (const std::string_view known : kSwitches)
        if (equalsNoCase(name, known))
            return true;
    return false;
}

}  // namespace

std::vector<std::string> absoluteFileArguments(std::vector<std::string> arguments,
                                               std::string_view folder)
{
    int printerArgumentsLeft = 0;
    bool fileAfterPt = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        std::string& argument = arguments[i];
        if (isFrameworkSwitch(argument)) {
            fileAfterPt = equalsNoCase(argument.substr(1), "pt");
            printerArgumentsLeft = 0;
            continue;
        }
        if (printerArgumentsLeft > 0) {
            --printerArgumentsLeft;
            continue;
        }
        argument = absoluteIn(folder, argument);
        if (fileAfterPt) {
            printerArgumentsLeft = kPrinterArgumentsAfterPt;
            fileAfterPt = false;
        }
    }
    return arguments;
}

namespace {
std::string g_launchFolder;
}  // namespace

const std::string& launchFolder() { return g_launchFolder; }
void setLaunchFolder(std::string folder) { g_launchFolder = std::move(folder); }

StartupArguments prepareStartup(int argc, const char* const* argv, std::string_view programFolder)
{
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.emplace_back(argv[i] ? argv[i] : "");
    StartupArguments result;
    setLaunchFolder(currentFolder());
    result.arguments = absoluteFileArguments(std::move(arguments), launchFolder());
    result.inProgramFolder = setCurrentFolder(programFolder);
    return result;
}

}  // namespace plat
