#pragma once
// Services of the board workspace that the board core uses: the frames, the main frame's
// status bar and tool bar, and the framework's opening of a board. The workspace defines them.

#include <memory>
#include <string_view>

namespace plat {
class MDIChildWnd;
class ToolBar;
class ToolBarCombo;
}
namespace quill {
class EditorMainFrame;
}
struct TipOfTheDay;

// The main frame and the child frame of a board, made by the workspace for start-up and the
// document template.
std::unique_ptr<quill::EditorMainFrame> CreateMainFrame();
std::unique_ptr<plat::MDIChildWnd> CreateChildFrame();
// The main frame's View toolbar (buttons 130 and 1041); null before the main frame exists.
plat::ToolBar* LayerViewToolBar();
// A combo box of the main frame's toolbars by its id; null before the frame exists.
plat::ToolBarCombo* FrameCombo(unsigned comboId);
// Refills the frame's unit-dependent combos (grid, stock width) when the units changed.
void FollowUnitMode();
// The program's tips of the day and the settings the tip dialog keeps them in.
TipOfTheDay ProgramTips();

// Status-bar panes.
inline constexpr int kPaneMessage = 0;
inline constexpr int kPaneIcon = 2;

// Icons shown in the icon pane.
inline constexpr int kIconFileLoading = 3415;

// Writes text into a pane of the main frame's status bar (the footprint editor's status fields
// while it is open).
void SetStatusText(std::string_view text, int pane);
// Shows an icon (by resource id) in a pane of the main frame's status bar.
void SetStatusIcon(int iconId, int pane);

// Opens a board as a document through the framework, as File > Open does; a file that cannot
// be opened is reported by the framework and the call returns.
void OpenBoardDocument(std::string_view path);

// Plays a sound from the sound folder when sounds are on ("Maximum", "filedone.wav", ...).
void PlaySoundFile(std::string_view name);

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
