#pragma once
// Schemora's resources for drawing and editing: the Edit and Insert menus, their keys, tool
// tips and the Insert and Modify toolbars.

#include "platform/app/resources.h"

#include <utility>
#include <vector>

namespace scm {

plat::MenuItem EditMenu();
plat::MenuItem InsertMenu();
std::vector<plat::Accelerator> EditAccelerators();
std::vector<std::pair<unsigned, std::string>> EditStrings();
// Insert toolbar (242) and Modify toolbar (244).
std::vector<unsigned> InsertToolBarButtons();
// The "Library Parts" chooser (Libraries page).
plat::DialogTemplate LibraryPartsDialog();

}  // namespace scm
