#include "schemora/core/design_name.h"

DesignName g_designName;
