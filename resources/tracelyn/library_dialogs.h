#pragma once
// Dialog templates of the board program's package library dialogs (save, copy) and of the
// placed part's Edit Part, Change Package Type and New Designator Type.

#include "platform/app/resources.h"

#include <vector>

std::vector<plat::DialogTemplate> LibraryDialogTemplates();
