#pragma once
// Templates of the copper dialogs: "Flood fill" (254) and "Align Thermal Pads" (260).

#include "platform/app/resources.h"

#include <vector>

std::vector<plat::DialogTemplate> CopperDialogTemplates();
