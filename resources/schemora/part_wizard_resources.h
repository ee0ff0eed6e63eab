#pragma once
// The library part wizard's pages, strings and menu item.

#include "platform/app/resources.h"
#include "platform/app/string_table.h"

#include <span>
#include <string>
#include <vector>

namespace scm {

std::vector<plat::DialogTemplate> PartWizardTemplates();
std::span<const plat::StringEntry> PartWizardStrings();
// "Part &Wizard..." after "New Library Part" (or at the end) of the Utilities menu.
void AddPartWizardItem(plat::MenuItem& utilitiesMenu);

}  // namespace scm
