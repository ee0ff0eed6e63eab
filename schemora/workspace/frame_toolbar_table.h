#pragma once
// The schematic main frame's seven toolbars: their buttons and combos, how they dock at
// start-up and which start hidden.

#include "common/frame_toolbars.h"

#include <span>

// Main 246, Insert 242, Modify 244, Simulation 229, Setup 218, View 600, Page 262.
std::span<const ToolBarSpec> SchematicToolBars();
std::span<const ToolBarDock> SchematicToolBarDocking();
std::span<const unsigned> SchematicHiddenToolBars();

// Words of the selective-edit modes 710 to 723 in the status text "Selected edit %s only".
const char* SelectiveEditWord(unsigned id);
// The selective-editing switches of a mode: all for 710, none for 723 (nets are picked by their
// wires), else the one kind of the id.
void SetSelectiveEditSwitches(unsigned mode);
// Menu items of the modes: always enabled; the kinds 711 to 721 checked from their switch.
void UpdateSelectiveEditItem(plat::CmdUI& ui);
// The mode of the Modify combo's position k (0 to 11).
unsigned SelectiveEditModeOfComboPosition(int position);
