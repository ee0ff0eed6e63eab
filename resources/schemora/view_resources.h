#pragma once
// Menu items, accelerators and dialog templates of the schematic view's clipboard, keyboard,
// bookmark and Aux commands.

#include "platform/app/resources.h"
#include "platform/app/string_table.h"

#include <span>
#include <string>
#include <vector>

// Copy and Paste after Undo, and the Advanced popup with Copy Text, in the Edit menu.
void AddClipboardMenuItems(plat::MenuItem& editMenu);
plat::MenuItem AuxMenu();
// Bill of Materials in the Utilities menu.
void AddUtilitiesItems(plat::MenuItem& utilitiesMenu);
std::vector<plat::Accelerator> ViewAccelerators();
std::vector<plat::DialogTemplate> ViewDialogTemplates();
std::span<const plat::StringEntry> ViewStrings();
