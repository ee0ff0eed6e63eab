#include "tracelyn/core/file_association.h"

#include "common/file_type_registration.h"
#include "platform/system/paths.h"
#include "tracelyn/core/board_settings.h"

namespace {

constexpr std::string_view kTlzClass = "tlzcmd";

}  // namespace

std::string TlzLoadCommand(std::string_view libraryFolder)
{
    const std::string folder = plat::cutAtFolder(libraryFolder, kPackagesFolderName)
                                   .value_or(plat::withoutTrailingSeparator(libraryFolder));
    return plat::joinPath(folder, "tracelyn") + " %1";
}

void RegisterTlzFileType()
{
    RegisterDocumentFileType(".tlz", kTlzClass, TlzLoadCommand(g_boardFolders.libraryFolder));
}
