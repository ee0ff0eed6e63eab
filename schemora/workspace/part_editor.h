#pragma once
// The library part editor: a maximised window in which one library part symbol is drawn with
// the schematic drawing engine on the editor's own object store, its terminals numbered into
// the pin table, its reference letter, package and comment set, and the part saved into a
// ".CON" library. While it runs, thePartEditor points at it and the current-document values
// at its store; closing gives the drawing beneath its values and undo steps back.

#include "common/library_editor_frame.h"
#include "schemora/core/object_store.h"
#include "schemora/core/part_library_form.h"
#include "schemora/core/part_pin_table.h"
#include "schemora/core/part_terminals.h"
#include "schemora/core/sheet_overlays.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CTerminalInfoDlg;

// A part of a ".CON" library by its library's base name and its own name.
struct StoredPartName {
    std::string library;
    std::string part;
};

class CPartEditorDlg : public quill::LibraryEditorFrame, public SheetOverlays {
public:
    // A new part, or the stored part named (Modify Part, Expand).
    explicit CPartEditorDlg(plat::Wnd* parent = nullptr, std::optional<StoredPartName> existing = std::nullopt);
    ~CPartEditorDlg() override;

    // ---- the part ----
    std::span<const DrawObject> objects() const;   // records 1..objectCount
    int objectCount() const { return objectCount_; }
    const PartPinTable& pins() const { return pins_; }
    PartPinTable& pins() { return pins_; }
    PartAttributeFields fields() const;
    int symbolVariant() const { return variant_; }
    // New pins always belong to part A: the drawn terminals carry part A's numbers.
    int partLetter() const { return 0; }
    // The part of the package whose pin numbers the terminals show ("Part:" combo).
    int shownPartLetter() const { return shownLetter_; }

    // ---- services of the drawing engine ----
    bool NameNewTerminal(int index);
    void LayoutTerminal(int index, TerminalLayoutMode mode);
    int MeasureTextWidth(std::string_view text);
    void SetEditorClipRect(plat::Dc& dc, bool rulersShown);
    void InvalidatePartArea();
    // Both bars from the sheet side, the zoom and the view offset.
    void UpdateEditorScrollBars();

    // SheetOverlays: what a repaint of the drawing area adds.
    void DrawSelection(plat::Dc& dc) override;
    void DrawCursorMark(plat::Dc& dc) override;
    // Part A shows the terminals' own numbers; another part its record's number, "?" where it
    // has none. Only the picture changes: what is saved, copied and undone stays part A's.
    std::string ShownPinText(int index, std::string ownText) const override;

    // ---- the part wizard (part_editor_wizard.cpp) ----
    // Runs the part wizard as soon as the editor opens (a new part started with the wizard);
    // cancelling it closes the editor again.
    void StartWithWizard() { startWithWizard_ = true; }

    bool OnInitDialog() override;
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;
    void OnControlMouse(plat::Control& control, unsigned message, unsigned flags, plat::Point point) override;
    void OnHScroll(unsigned code, unsigned pos, plat::Control* bar) override;
    void OnVScroll(unsigned code, unsigned pos, plat::Control* bar) override;

protected:
    std::unique_ptr<quill::EditorStoreLoan> LendStore() override;
    void OnEditorClosing() override;
    void OnTypedKey(const plat::Msg& msg) override;

private:
    class StoreLoan;
    class WizardLink;

    // part_editor_wizard.cpp
    void OnPartDesignWizard();
    bool runOpeningWizard();

    // part_editor.cpp
    plat::Control* area() const;
    void clearPart();
    void writeNameRecords();
    void writeNameRecordText(int record);
    void paintArea(plat::Dc& dc, const plat::Rect& client);
    void fitOpenedPart(const plat::Rect& client);
    void refitOpenedPart(const plat::Rect& client);
    void prepareDc(plat::Dc& dc);
    // Points the current-drawing values at the editor's store and object count again (a
    // dialog, preview or paint in between may have pointed them elsewhere).
    void loadEditorStore();
    void takeCount();

    // part_editor_mouse.cpp
    void OnAreaButtonDown(unsigned flags, plat::Point point);
    void OnAreaButtonUp(unsigned flags, plat::Point point);
    void OnAreaMouseMove(unsigned flags, plat::Point point);
    void OnAreaRightButton();
    void runStyleDialogOf(int index);
    void editTerminalInformation(int index);
    void editShownPartPin(int index);
    void editLaterSymbolTerminal(int index);
    void applyTerminalLabel(int index, const CTerminalInfoDlg& dialog);
    void OnKeyboardCursor(unsigned id);
    void OnHomePlace();
    void OnToggleCrossHair();
    void showHandleCursor();
    void scrollWhenDragLeaves(plat::Point point);

    // part_editor_scroll.cpp
    struct ScrollGeometry {
        int side = 0;     // the scrolled sheet side
        int area = 0;     // the drawing area's side in pixels
        int centre = 0;   // the area's centre times the zoom divisor
    };
    ScrollGeometry scrollGeometry(bool horizontal) const;
    void scrollBy(bool horizontal, unsigned code, unsigned pos, plat::Control* bar);

    // part_editor_open.cpp
    bool openStoredPart();
    // "%pins" texts read from a stored part, each with its symbol variant.
    using PinListTexts = std::vector<std::pair<int, std::string>>;
    PinListTexts readPartAttributes();
    void readReferencePlaceholder(const DrawObject& placeholder, std::string letters);
    void readPartsPerPackage(const std::string& value);
    static int hiddenPinType(const std::string& text);
    void addHiddenPin(const std::string& text, int type);
    void keepHiddenPins();
    // Terminals made from an older part's pin texts, each with the pin type its text named.
    using TakenPins = std::vector<std::pair<int, int>>;
    TakenPins takeOverPinTexts();
    void readPinLists(const PinListTexts& lists);

    // part_editor_commands.cpp
    void registerCommands();
    void OnTool(unsigned id);
    void OnUpdateTool(plat::CmdUI& ui);
    void OnToolKey(unsigned id);
    void OnEditSelect();
    void OnEditErase();
    void OnEditTransform(unsigned id);
    void OnEditUndo();
    void OnEditRedraw();
    void OnEditCopy();
    void OnEditPaste();
    void OnReGrid();
    void OnDrawToFit();
    bool fitToExtent(const plat::Rect& area);
    void OnCenter();
    void OnZoom(unsigned id);
    void OnScale(unsigned id);
    void OnUpdateScale(plat::CmdUI& ui);
    void OnGrid(unsigned id);
    void OnUpdateGrid(plat::CmdUI& ui);
    void OnSelectiveEdit(unsigned id);
    void OnHiddenPins();
    void OnFindPackage();
    void OnGeneralSetup();
    void OnEditOrigin();
    void OnSelectiveEditDialog();
    void OnZoomCombo();
    void OnGridCombo();
    void OnHelp(unsigned id);
    void applyScale(int scaleIndex);
    void applyGrid(unsigned gridId);
    void syncViewCombos();

    // part_editor_fields.cpp
    void fillFieldControls();
    void OnReferenceChosen();
    void OnReferenceFocusLost();
    void OnCommentsChanged();
    void OnAdvanced();
    void OnPartsPerPackage();
    void fillPartLetters(int parts);
    void OnPartLetter();
    void RebuildSymbolTabs(int symbols);
    void OnSymbolCount();
    void OnSymbolTab();
    void showSymbol(int variant, int layer);
    void OnSavePart();
    void OnNewPart();
    bool savePart();

    DrawObjectStore store_;
    int objectCount_ = 0;
    PartPinTable pins_;
    PartBodyMeasure body_;
    std::string reference_ = "U";
    std::string partName_;
    std::string library_;                 // the library the part was opened from or saved into
    std::optional<StoredPartName> existing_;
    std::vector<EditorPin> hiddenPins_;   // read from the part's texts while it opens
    int partsChoice_ = 0;                 // the number-of-parts selection taken last
    int variant_ = 0;                     // the symbol drawn in: 0 is symbol 1
    int shownLetter_ = 0;                 // the part whose pin numbers the terminals show
    bool namePlaceholder_ = true;         // a stored part without "p?" is saved without it
    bool startWithWizard_ = false;
    std::optional<plat::Cursor> cursorBeforeHandle_;   // while the pointer shows a resize cursor
    // The view a stored part opened fitted to: while the person has not moved it, it is fitted
    // again to the drawing area's size when the window is laid out.
    struct FittedView {
        int width = 0, height = 0;
        int scale = 0, centreX = 0, centreY = 0;
    };
    std::optional<FittedView> fittedView_;
};

// The "Library Part Editor" run on a new part (Utilities > New Library Part).
void RunNewLibraryPartEditor(plat::Wnd* parent);
// The editor run on a stored part; a part that cannot be read leaves the editor empty.
void RunLibraryPartEditor(plat::Wnd* parent, std::string_view library, std::string_view part);
