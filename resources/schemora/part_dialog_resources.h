#pragma once
// Templates of Schemora's part dialogs (build utility, Edit Part, Semiconductor Models,
// Tracelyn Packages) and the Utilities menu item of the build utility.

#include "platform/app/resources.h"

#include <vector>

namespace scm {

std::vector<plat::DialogTemplate> PartDialogTemplates();
void AddBuildUtilityItem(plat::MenuItem& utilitiesMenu);

}  // namespace scm
