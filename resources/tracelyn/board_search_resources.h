#pragma once
// Adds the board's Find, Replace, scaling and alignment commands to the resource set: their
// menu items (Aux, Edit > Advanced), keys, dialogs and strings.

#include "platform/app/resources.h"

#include <initializer_list>
#include <string_view>

void AddBoardSearchResources(plat::ResourceSet& set);
// The same for Edit > Advanced (Move Between Layers, Snap Text To Pad, Cut Trace, Goto, Clear
// DRC Marks), the o key, Aux > Ref No and Back Annotate.
void AddBoardAdvancedResources(plat::ResourceSet& set);
// Adds keys to the board frame's accelerator table.
void AddBoardKeys(plat::ResourceSet& set, std::initializer_list<plat::Accelerator> keys);
// The popup of that title inside the board menu's popup `top` (added when missing).
plat::MenuItem& BoardMenuPopup(plat::ResourceSet& set, std::string_view top, std::string_view inner = {});
