#pragma once
// Services of the board workspace that the board core uses: the main frame's status bar and
// the framework's opening of a board. The workspace defines these; until it exists,
// workspace_services_stub.cpp stands in with definitions that do nothing.

#include <string_view>

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
