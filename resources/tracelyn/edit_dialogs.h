#pragma once
// Dialog templates of the board editor's grid, style, pad and part dialogs, to be added to the
// board program's resource set.

#include "platform/app/resources.h"

#include <vector>

std::vector<plat::DialogTemplate> EditDialogTemplates();
