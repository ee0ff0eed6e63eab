#pragma once
// The program's tips of the day and the settings the tip dialog keeps them in.

#include "common/tip_dialog.h"
#include "tracelyn/core/workspace_services.h"
