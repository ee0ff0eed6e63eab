#pragma once
// Adds the board's Find, Replace, scaling and alignment commands to the resource set: their
// menu items (Aux, Edit > Advanced), keys, dialogs and strings.

#include "platform/app/resources.h"

void AddBoardSearchResources(plat::ResourceSet& set);
// The popup of that title inside the board menu's popup `top` (added when missing).
plat::MenuItem& BoardMenuPopup(plat::ResourceSet& set, std::string_view top, std::string_view inner = {});
