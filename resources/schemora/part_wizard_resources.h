#pragma once
// The library part wizard's pages, strings and menu item.

#include "platform/app/resources.h"

#include <map>
#include <string>
#include <vector>

namespace scm {

std::vector<plat::DialogTemplate> PartWizardTemplates();
void AddPartWizardStrings(std::map<unsigned, std::string>& strings);
// "Part &Wizard..." after "New Library Part" (or at the end) of the Utilities menu.
void AddPartWizardItem(plat::MenuItem& utilitiesMenu);

}  // namespace scm
