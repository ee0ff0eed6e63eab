#include "tracelyn/core/route_services.h"

RouterState g_router;
