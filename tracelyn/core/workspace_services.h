#pragma once
// Services of the board workspace that the board core uses: the frames, the main frame's
// status bar and tool bar, and the framework's opening of a board. The workspace defines them.

#include "common/editor_workspace_services.h"

#include <string_view>

namespace plat {
class ToolBar;
class ToolBarCombo;
}
// The main frame's View toolbar (buttons 130 and 1041); null before the main frame exists.
plat::ToolBar* LayerViewToolBar();
// A combo box of the main frame's toolbars by its id; null before the frame exists.
plat::ToolBarCombo* FrameCombo(unsigned comboId);
// Refills the frame's unit-dependent combos (grid, stock width) when the units changed.
void FollowUnitMode();

// Closes the modeless Parts Bin window when it is open (its place kept for the next opening);
// true when it was open.
bool ClosePartsBinWindow();

// Status-bar panes.
inline constexpr int kPaneMessage = 0;
inline constexpr int kPaneIcon = 2;

// Icons shown in the icon pane.
inline constexpr int kIconFileLoading = 3415;

// Writes text into a pane of the main frame's status bar (the footprint editor's status fields
// while it is open).
void SetStatusText(std::string_view text, int pane);

// Opens a board as a document through the framework, as File > Open does; a file that cannot
// be opened is reported by the framework and the call returns.
void OpenBoardDocument(std::string_view path);

// In metric unit mode caps the zoom index (g_board.zoomIndex) by the work-area letter: 'A' at
// most 8, 'B' and 'C' 7, 'D' and 'E' 5, 'F' and 'G' 4; English units leave it alone.
void ClampScaleForSheetSize();

// The editing dialogs of the workspace. Each runs modally and stores what the user accepted in
// the settings it edits; true on OK.
bool RunVariableGridDialog();   // 147: the variable grid's x and y steps
bool RunPolarGridDialog();      // 148: the polar grid's centre, radius and angle steps
bool RunEditSetupDialog();      // 221: grid, pins, page breaks, rubber-banding, 90 degrees
// The right-button edit of one selected object: its property dialog (Style, Drawing/Fill
// Style, Font, Pad Setup, Polygon Setup) with its values; true when the object was changed.
bool RunObjectPropertyDialog(int index);
