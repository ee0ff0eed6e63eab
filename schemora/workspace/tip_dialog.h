#pragma once
// The program's tips of the day and the settings the tip dialog keeps them in.

#include "common/tip_dialog.h"
#include "schemora/core/workspace_services.h"
