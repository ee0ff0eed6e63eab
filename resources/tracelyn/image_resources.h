#pragma once
// The board program's pictures: toolbar pictures by command, its window icon, the status
// icons and the pointer shapes.

#include "platform/app/resources.h"

namespace tly {

void AddImageResources(plat::ResourceSet& set);

}  // namespace tly
