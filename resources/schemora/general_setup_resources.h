#pragma once
// Setup > General: the menu item, its strings and the templates of its four pages.

#include "platform/app/resources.h"

#include <map>
#include <string>
#include <vector>

namespace scm {

std::vector<plat::DialogTemplate> GeneralSetupTemplates();
void AddGeneralSetupStrings(std::map<unsigned, std::string>& strings);

}  // namespace scm
