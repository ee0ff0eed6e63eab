#pragma once
// The schematic program's pictures: toolbar pictures by command, its window icon, the status
// icons and the pointer shapes.

#include "platform/app/resources.h"

namespace scm {

void AddImageResources(plat::ResourceSet& set);

}  // namespace scm
