#pragma once
// Templates and strings of the Setup menu's dialogs, the drawing tools' style dialogs, Edit
// Setup, Resource Usage and Signal Bus Setup.

#include "common/resource_usage_dialog.h"
#include "common/selective_edit_dialog.h"
#include "platform/app/resources.h"
#include "platform/app/string_table.h"

#include <span>
#include <string>
#include <vector>

namespace scm {

SelectiveEditIds SelectiveEditDialogIds();
ResourceUsageIds ResourceUsageDialogIds();
std::vector<plat::DialogTemplate> SetupDialogTemplates();
std::span<const plat::StringEntry> SetupDialogStrings();

}  // namespace scm
