#pragma once
// Dialog templates of the board program's setup dialogs: the four General Setup pages, Layer
// Setup, Printout Settings, the Incremental Router dialog, Selective Editing and Resource
// Usage; and their strings.

#include "common/resource_usage_dialog.h"
#include "common/selective_edit_dialog.h"
#include "platform/app/resources.h"

#include <map>
#include <string>
#include <vector>

std::vector<plat::DialogTemplate> BoardSetupDialogTemplates();
void AddBoardSetupDialogStrings(std::map<unsigned, std::string>& strings);

// The ids the shared Selective Editing and Resource Usage dialogs take in the board program.
SelectiveEditIds BoardSelectiveEditIds();
ResourceUsageIds BoardResourceUsageIds();
