#pragma once
// Menu items, keys, dialogs and strings of Find, Replace Text, Ref No and Edit > Advanced.

#include "platform/app/resources.h"
#include "platform/app/string_table.h"

#include <span>
#include <string>
#include <vector>

// Scale, Re-Grid and the three alignments in Edit > Advanced (added when missing).
void AddAdvancedEditItems(plat::MenuItem& editMenu);
// Find, Replace Text, Ref No and Check Schematic in the Aux menu.
void AddSearchItems(plat::MenuItem& auxMenu);
std::vector<plat::Accelerator> AdvancedEditAccelerators();
std::vector<plat::DialogTemplate> AdvancedEditDialogs();
std::span<const plat::StringEntry> AdvancedEditStrings();
