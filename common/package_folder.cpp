#include "common/package_folder.h"

#include "platform/system/files.h"
#include "platform/system/paths.h"

namespace quill {

std::string PackageFolderBesidePrograms() { return plat::appendFolder(plat::programFolder(), kPackagesFolderName); }

}  // namespace quill
