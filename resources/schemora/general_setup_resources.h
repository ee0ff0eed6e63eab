#pragma once
// Setup > General: the menu item, its strings and the templates of its four pages.

#include "platform/app/resources.h"
#include "platform/app/string_table.h"

#include <span>
#include <string>
#include <vector>

namespace scm {

std::vector<plat::DialogTemplate> GeneralSetupTemplates();
std::span<const plat::StringEntry> GeneralSetupStrings();

}  // namespace scm
