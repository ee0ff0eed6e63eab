// Nothing is stood in here any more: ReadRouterStrategy is defined in router_strategy.cpp and
// SetPartLabelAnchor in package_geometry.cpp.
#include "tracelyn/core/core_services.h"
