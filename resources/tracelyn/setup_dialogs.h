#pragma once
// Dialog templates of the board program's setup dialogs: the four General Setup pages, Layer
// Setup, Printout Settings and the Incremental Router dialog; and their strings.

#include "platform/app/resources.h"

#include <map>
#include <string>
#include <vector>

std::vector<plat::DialogTemplate> BoardSetupDialogTemplates();
void AddBoardSetupDialogStrings(std::map<unsigned, std::string>& strings);
