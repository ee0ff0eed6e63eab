#pragma once
// Services the drawing core calls in the schematic workspace (the main frame, the child
// frames, the parts bin and the part editor). The workspace defines them; the few that belong
// to workspace parts not built yet are defined there as well.

#include "common/editor_workspace_services.h"

#include <string>
#include <string_view>

// Icon of the status bar's icon pane that shows a finished save (the resting icon that start-up
// shows as well).
inline constexpr int kStatusIconSaved = 193;
inline constexpr int kStatusIconPane = 2;

// Alternates the icon pane between the two activity icons on successive calls.
void ToggleActivityIcon();
// Sets the current edit tool and the selection count to 0 (a file read replaces what the
// selection indexes point at).
void ResetEditToolAndSelection();

// ---- services of the schematic workspace (main frame, parts bin, part editor) ----

// Whether the parts bin was opened from the active view.
struct PartsBinState {
    bool open = false;
};
extern PartsBinState thePartsBinDlg;
// Clears the marker that the parts bin was opened from the active view.
void ClosePartsBinMarker();

// Brings the place-dot toolbar button into line with the automatic-dots setting.
void SyncDotToolButton();

// Puts the toolbar combos (sheets, layer, scale, grid) in step with the active drawing.
void SyncDrawingCombos();

// Invalidates, erases and repaints the active child frame at once.
void RedrawActiveFrame();

// Opens a drawing of the last run through the application's open-document command
// (LoadRecentFiles); failures are reported by the application.
void OpenDrawingFromSettings(const std::string& path);

// ---- the part editor (schematic workspace) ----

namespace plat {
class Dc;
}
class CPartEditorDlg;
// The open library part editor, null while it is closed. While it is open the painters draw
// the editor's own objects: parts are not drawn, every object counts as sheet 1, and the
// background of a repainted area is the "Parts Bin" colour.
extern CPartEditorDlg* thePartEditor;
// Clips dc to the editor's drawing area (17 units in on the ruler side when rulers are shown,
// else 1); used instead of clipping to the work area while the editor is open.
void SetEditorClipRect(CPartEditorDlg* editor, plat::Dc& dc, bool rulersShown);
// Sets the editor's modified flag; SetObjectCount calls it in place of marking the document.
void SetPartEditorModified(CPartEditorDlg* editor);
// Shows text in the editor's own status line 0 or 1; SetStatusText calls it while the editor
// is open.
void SetPartEditorStatusLine(CPartEditorDlg* editor, int line, std::string_view text);
// The terminal just drawn with the terminal tool at index (in the open editor's store): its pin
// number ("?" in a later symbol), its pin record and its texts laid out against the body. False
// when the pin table refuses it: the caller takes the terminal back.
bool NameNewTerminal(int index);

// ---- signal sources (schematic simulation) ----

// Opens the Function Generator or Pattern Generator for object index when it is such a part;
// false (nothing shown) for any other object. The view's right-button handler calls it for the
// one selected object.
bool OpenSignalSourceFor(int index);

// Runs the style dialog of a right-clicked object's kind (it changes the one selected object
// itself); false for kinds without one.
bool RunStyleDialogFor(int type);
// One click of the signal bus tool (301): 0 cancelled, 1 first click taken, 2 bus finished
// (its record and any rippers and names are the last objects of the store).
int BusToolClick();
// The index of the bus record the tool finished last.
int LastBusRecord();
// Edit Setup: F9 pressed while edit mode is already on.
void RunEditSetupDialog();
// Opens Edit Part for object index when it is a placed part other than a signal source or a
// ground; true when the part was changed (one undo step). The view's right-button handler
// calls it for the one selected object.
bool EditPartFor(int index);

// Edit Nets Only: traces the net of the wire just selected, shows its pins on status pane 0
// and highlights its wires and dots on dc (which the view has mapped).
void ShowNetPinsFor(plat::Dc& dc, int index);
