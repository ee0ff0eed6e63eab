#pragma once
// Dialog templates of the routing subsystem, to be added to the board program's resource set.

#include "platform/app/resources.h"

#include <vector>

std::vector<plat::DialogTemplate> RouteDialogTemplates();
// The router setup dialogs: Batch Router Setup, Rats Nest Display Setup, Smoothing, Necking and
// the never-shown Trace/Via Optimization.
std::vector<plat::DialogTemplate> RouterSetupDialogTemplates();
