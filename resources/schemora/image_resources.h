#pragma once
// The schematic program's pictures: toolbar pictures by command, its window icon, the status
// icons and the pointer shapes.

#include "platform/app/resources.h"

#include <vector>

namespace scm {

std::vector<plat::ImageResource> ImageResources();
std::vector<plat::CommandImage> CommandImages();

}  // namespace scm
