#include "tracelyn/core/file_association.h"

#include "platform/system/paths.h"
#include "platform/system/registry.h"
#include "tracelyn/core/board_settings.h"

namespace {

constexpr std::string_view kTlzClass = "tlzcmd";
constexpr std::string_view kLoadCommandKey = "\\Shell\\load\\command";

}  // namespace

std::string TlzLoadCommand(std::string_view libraryFolder)
{
    const std::string folder = plat::cutAtFolder(libraryFolder, kPackagesFolderName)
                                   .value_or(plat::withoutTrailingSeparator(libraryFolder));
    return plat::joinPath(folder, "tracelyn") + " %1";
}

void RegisterTlzFileType()
{
    const std::string root(plat::kHkeyClassesRoot);
    auto ext = plat::RegistryKey::create(root + "\\.tlz");
    if (!ext)
        return;
    // The command goes under the class that was registered before this start; on the first
    // run there is none yet, and "tlzcmd" takes its place.
    std::string className = ext->queryString().value_or("");
    if (className.size() > 200)
        className.resize(200);
    if (!ext->setString({}, kTlzClass))
        return;
    if (className.empty())
        className = kTlzClass;
    auto command = plat::RegistryKey::create(root + "\\" + className + std::string(kLoadCommandKey));
    if (!command)
        return;
    command->setString({}, TlzLoadCommand(g_boardFolders.libraryFolder));
}
