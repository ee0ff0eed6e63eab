#pragma once
// Where the board program's package catalogues are shipped: the "PACKAGES" folder beside the
// programs. The board program falls back on it before any folder is stored; the schematic
// program's package picker finds it there before the board program has ever run.

#include <string>
#include <string_view>

namespace quill {

inline constexpr std::string_view kPackagesFolderName = "PACKAGES";

// The package folder beside the programs, ending in a separator.
std::string PackageFolderBesidePrograms();

}  // namespace quill
