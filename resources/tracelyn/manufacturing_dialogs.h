#pragma once
// Templates and strings of the manufacturing dialogs: the layer choice for the Gerber files,
// the imported D-code list and the layer choice of the Gerber import.

#include "platform/app/resources.h"

// Adds the dialogs and strings to the program's resource set.
void AddManufacturingResources(plat::ResourceSet& set);
