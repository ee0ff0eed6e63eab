#pragma once
// The parts bin both editors share: a small floating window with up to twenty favourite library
// parts as thumbnails. Its menu adds a part (through the program's Library Parts browser) or
// deletes the selected one, and slides the window shut to its menu bar or open again; hovering
// over a thumbnail shows the part's description; dragging a thumbnail out of the window places
// that part in the active drawing. Each program passes in its ids, strings, painters, library
// lookups and placement.
//
// Entries are kept by name ("LIBRARY\PART"): a part table index would name another part after
// parts are dropped or reloaded, so the program resolves (or loads) the name when it paints or
// places the entry.

#include "common/parts_bin_layout.h"
#include "platform/app/dialog.h"
#include "platform/app/resources.h"
#include "platform/gdi/raster_dc.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

inline constexpr int kPartsBinMaxEntries = 20;

// Ids of the bin's template and menu that both programs share.
enum : unsigned {
    kIdcPartsBinCells = 1000,    // the drawn area that holds the thumbnails
    kIdcPartsBinScroll = 1001,   // its vertical scroll bar
    kCmdPartsBinShut = 101,      // the menu bar's "Shut" / "Open"
};
// A part leaves the bin when it is dragged this close to an edge of the thumbnail area.
inline constexpr int kPartsBinEdge = 20;

// What the bin window keeps between openings, in the program's settings.
struct PartsBinSettings {
    std::vector<std::string>* entries = nullptr;   // "LIBRARY\PART", at most kPartsBinMaxEntries
    int* x = nullptr;                              // saved left and top of the window
    int* y = nullptr;
    int* shut = nullptr;                           // 1 while the window is slid shut
    const int* help = nullptr;                     // tooltips unless 0 ("PartsBinHelp")
    const int* sound = nullptr;                    // beeps unless 0 (the program's sound switch)
};

// The program's ids and texts for the bin.
struct PartsBinIds {
    unsigned addCommand = 0;           // "Edit/&Add Part"
    unsigned deleteCommand = 0;        // "Edit/&Delete Part"
    unsigned fullMessage = 0;          // string id: "Parts Bin FULL\nDelete existing part to add"
    unsigned selectMessage = 0;        // string id: "Select part to delete"
    size_t tooltipLength = 25;         // longer tooltips end at the next blank after this many
};

// The program's library behind the bin.
struct PartsBinLibrary {
    // Runs the program's Library Parts browser; the name of the part it loaded on OK.
    std::function<std::optional<std::string>()> choosePart;
    // The part's description, or its name when it has none.
    std::function<std::string(const std::string& name)> description;
    // Places one part of that name in the active view at a point of the screen; false when
    // nothing was placed (no view, the part does not load, the store is full, ...).
    std::function<bool(const std::string& name, plat::Point screen)> place;
};

// The program's painter of the thumbnails.
struct PartsBinPainter {
    // The cells as the painter last laid them out.
    const PartsBinCells* cells = nullptr;
    // Paints every entry into its cell of the client area, scrolled by scrollY; returns the
    // height all cells need.
    std::function<int(plat::Dc& dc, const plat::Rect& client, int scrollY)> paintCells;
    // The cell under a point of the client area, -1 for none.
    std::function<int(int x, int y)> hitTest;
    // The inverting outline of a rectangle; drawn twice it disappears.
    std::function<void(plat::Dc& dc, const plat::Rect& outline)> drawOutline;
};

// What the bin asks of the program around it.
struct PartsBinProgram {
    const int* openDocuments = nullptr;                // the bin ignores the mouse while none is
    std::function<void()> redrawActiveFrame;
    std::function<void()> clearTool;                   // the drawing tool becomes none
    std::function<void(std::string_view sound)> playSound;   // through the program's sound switch
    std::function<void(std::string_view text, int pane)> statusText;
};

struct PartsBinServices {
    PartsBinIds ids;
    PartsBinSettings settings;
    PartsBinLibrary library;
    PartsBinPainter painter;
    PartsBinProgram program;
};

class PartsBinDlg : public plat::Dialog {
public:
    PartsBinDlg(unsigned templateId, PartsBinServices services);

    // Opens the window when it is not open (the program's "parts bin" command).
    void Open(plat::Wnd* parent);
    bool isOpen() const { return IsWindow(); }
    // Closes the window as its close box does (its position kept); nothing when it is closed.
    void Close();

    bool OnInitDialog() override;
    bool OnCommand(unsigned id) override;
    // The bin has no OK button: Enter leaves it as it is.
    void OnOK() override {}
    void OnClose() override;
    void OnMove(plat::Point topLeft) override;
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;
    void OnVScroll(unsigned code, unsigned pos, plat::Control* bar) override;
    void OnControlMouse(plat::Control& control, unsigned message, unsigned flags, plat::Point point) override;
    std::optional<std::string> OnControlToolTip(plat::Control& control, plat::Point point) override;

    int selectedCell() const { return selected_; }
    const std::string& tooltipText() const { return tooltip_; }

private:
    void toggleShut();
    void addPart();
    void deletePart();
    void buttonDown(plat::Point point);
    void mouseMove(unsigned flags, plat::Point point);
    void buttonUp();
    void dragTo(plat::Point point);
    void leaveBin(plat::Point point);
    void showDescription(int cell);
    void drawOnCells(const std::function<void(plat::Dc&)>& draw);
    // The inverting outline of a cell's size centred on (x, y), or on the cell's own place when
    // inPlace is set, through the program's painter; drawn twice it disappears.
    void drawCellOutline(plat::Dc& dc, int cell, int x, int y, bool inPlace) const;
    // The dragged part: the picture of its cell as painted, taken when the drag starts, drawn
    // centred on (x, y) in exclusive-or; drawn twice it disappears.
    void takeDragImage(plat::Dc& dc, int cell);
    void drawDragImage(plat::Dc& dc, plat::Point at) const;
    void showStatus(std::string_view text) const;
    bool soundsOn() const;
    void refuse(unsigned messageId);
    std::vector<std::string>& entries() { return *services_.settings.entries; }
    plat::Control* cells() const { return GetDlgItem(kIdcPartsBinCells); }

    PartsBinServices services_;
    int openHeight_ = 0;
    bool initialised_ = false;
    int selected_ = -1;
    bool dragging_ = false;
    bool placed_ = false;
    plat::Point last_{};
    // The dragged cell's pixels exclusive-or the bin's background: over the background it
    // shows the thumbnail itself.
    plat::Bitmap dragImage_;
    int scroll_ = 0;
    std::string tooltip_;
};

// The parts-bin command of a program's frame: always there, checked while the bin is open.
void UpdatePartsBinCommand(plat::CmdUI& ui, const PartsBinDlg& bin);

// The tooltip of a description: one longer than `length` characters ends before the first blank
// at or after its (length + 1)th character, and a comma just before that blank goes too.
std::string PartsBinTooltip(std::string_view description, size_t length);

// The bin's template (no buttons: the thumbnail area and its scroll bar) and its menu.
plat::DialogTemplate PartsBinTemplate(unsigned templateId, unsigned menuId);
plat::MenuResource PartsBinMenu(unsigned menuId, unsigned addCommand, unsigned deleteCommand);

}  // namespace quill
