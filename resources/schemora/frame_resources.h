#pragma once
// Menus, keys, strings and toolbar resources of the schematic main frame's own commands:
// sheets, selective editing, Setup toggles, View > Toolbars, Clear, Statistics and Help.

#include "common/set_colors_dialog.h"
#include "platform/app/resources.h"

#include <map>
#include <string>
#include <vector>

namespace scm {

// New Page, Delete Current Page, Previous and Next Page, before the file list of the File menu.
void AddPageMenuItems(plat::MenuItem& fileMenu);
// Clear (F8) after Undo in the Edit menu.
void AddClearMenuItem(plat::MenuItem& editMenu);
// Statistics at the end of the Aux menu.
void AddStatisticsMenuItem(plat::MenuItem& auxMenu);
// View > Toolbars: the seven bars and the default positions.
plat::MenuItem ToolBarsMenu();
// The Setup menu: the toggles of the Setup toolbar, page breaks, units and Colors.
plat::MenuItem SetupMenu();
// The Set Colors dialog (136): its control ids and template.
SetColorsIds SetColorsDialogIds();
plat::DialogTemplate SetColorsTemplate();
// Help: Contents, Tip of the day, the web page and About.
plat::MenuItem FrameHelpMenu(unsigned contentsId);
std::vector<plat::Accelerator> FrameAccelerators();
void AddFrameStrings(std::map<unsigned, std::string>& strings);
std::vector<plat::ToolbarResource> FrameToolBarResources();

}  // namespace scm
