#pragma once
// Dialog templates of the routing subsystem, to be added to the board program's resource set.

#include "platform/app/resources.h"

#include <vector>

std::vector<plat::DialogTemplate> RouteDialogTemplates();
