#pragma once
// The view of one board: a scrolling view in a child frame. It maps board coordinates to the
// window and the printer, paints through the board painters, and owns the zoom, scale,
// work-area and layer commands. The same class is built on the stack, without a window, only
// to prepare a DC for painting one object (RedrawObject).

#include "common/editor_view.h"
#include "tracelyn/core/tracelyn_doc.h"

class CTracelynView : public quill::EditorView<CTracelynDoc> {
public:
    CTracelynView();
    ~CTracelynView() override;

    bool PreCreateWindow(plat::CreateStruct& cs) override;
    void OnPrepareDC(plat::Dc& dc, plat::PrintInfo* info = nullptr) override;
    // Activation loads the board into the current values and repaints it with the grid menu of
    // its units; a view left while the Parts Bin is open closes the bin and puts down the tool,
    // the selection and whatever gesture was under way.
    void OnActivateView(bool activate, plat::View* activateView, plat::View* deactiveView) override;
    void OnDraw(plat::Dc& dc) override;

    // The screen mapping for a DC that is not the view's paint DC.
    void PrepareViewDC(plat::Dc& dc);
    // Scroll sizes for the current zoom, and both bars at the position of the view origin.
    void SyncScrollBars();
    // One zoom level in (1) or out (0) about CursorPoint.
    void ZoomStep(int in);

    // Mouse input: snapping, the crosshair, the read-out and the mouse dispatcher.
    void OnLButtonDown(unsigned flags, plat::Point point) override;
    void OnLButtonUp(unsigned flags, plat::Point point) override;
    void OnMouseMove(unsigned flags, plat::Point point) override;
    void OnSetFocus(plat::Wnd* oldWnd) override;
    void OnKillFocus(plat::Wnd* newWnd) override;

    // Edit > Undo (Ctrl+Z, Modify toolbar 216).
    void OnEditUndo();
    // Edit > Select (F9).
    void OnSelectTool();
    // F10: the crosshair and grid snapping on or off.
    void OnToggleCrosshair();

    // Copper: Fill interior region (F), Remove copper islands, Align Thermal Pads, and the
    // Outline menu at the picked vertex, popped up by the right button on the outline.
    void OnFillInteriorRegion();
    void OnUpdateFillInteriorRegion(plat::CmdUI& ui);
    void OnRemoveCopperIslands();
    void OnAlignThermalPads();
    void OnOutlineCommand(unsigned id);
    void PopUpOutlineMenu(plat::Point point);

    // The fill of the area enclosed by the selected object; returns the objects appended.
    int FillEnclosedArea(bool minimizeFloatingCopper);

    // The clipboard, bookmarks and view commands: Copy (Ctrl+C), Paste (Ctrl+V), Center (F4),
    // Clear (F8), Draw to Fit, Ctrl+F2 / F2 / Clear Bookmarks.
    void OnEditCopy();
    void OnEditPaste();
    void copyViewAsBitmap(const plat::Rect& area);
    void OnCenterView();
    void OnEditClear();
    void OnDrawToFit();
    void OnSetBookmark();
    void OnClearBookmarks();
    void OnGoToBookmark();
    void OnUpdateBookmarks(plat::CmdUI& ui);
    // Centres the view on a board point, redraws and blinks the marker there.
    void CenterViewOn(int32_t x, int32_t y);
    // Draw-to-fit mode: the box follows the pointer; a click brings its part of the board in.
    bool FitModeMouseMove();
    bool FitModeClick();

    // Keys and the right button.
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    bool OnCommand(unsigned id) override;
    bool OnCmdMsg(unsigned id, plat::CmdUI* ui) override;
    void OnRButtonDown(unsigned flags, plat::Point point) override;
    void OnRButtonUp(unsigned flags, plat::Point point) override;
    bool OnMouseWheel(unsigned flags, short delta, plat::Point point) override;
    void OnHScroll(unsigned code, unsigned pos, plat::Control* bar) override;
    void OnVScroll(unsigned code, unsigned pos, plat::Control* bar) override;

private:
    void registerCommands();
    int pendingScroll_[2] = {-1, -1};
    void registerCopperCommands();
    void registerBoardCommands();
    void prepareScreen(plat::Dc& dc);

    void OnScale(unsigned id);
    void OnWorkArea(unsigned id);
    void OnLayer(unsigned id);
    void OnNextLayer();
    void OnPreviousLayer();
    void OnPageUp() { ZoomStep(1); }
    void OnPageDown() { ZoomStep(0); }
    // View > Zoom In and Zoom Out step about the window centre.
    void zoomAboutCentre(int in);
    void OnZoomIn() { zoomAboutCentre(1); }
    void OnZoomOut() { zoomAboutCentre(0); }
    void OnRedraw();
    void OnGrid(unsigned id);
    void OnUpdateEditUndo(plat::CmdUI& ui);
    void OnUpdateSelectTool(plat::CmdUI& ui);
    void OnErase();
    void OnTransform(unsigned id);
    void OnUpdateNeedsSelection(plat::CmdUI& ui);
    void OnOrigin();
    void OnUpdateOrigin(plat::CmdUI& ui);
    void OnSelectAll();
    void OnReorder(unsigned id);
    void OnHome();
    void OnArrowKey(unsigned id);
    void OnApplyWidth();
    void OnViewMode(unsigned id);
    void OnLayerViewToggle();
    void OnLimit90();
    void OnRubberBand();
    void OnUpdateSetting(plat::CmdUI& ui);
    // One scroll-bar step on an axis (0 horizontal, 1 vertical): pending until the scroll ends.
    void scrollBar(int axis, unsigned code, unsigned pos);
    // A DC of the window with the board mapping and the active document's store loaded.
    void beginMouseAction(plat::Dc& dc, plat::Point point);
    // The pointer's move: snapping, pointer mode, read-out, the mouse dispatcher and the
    // crosshair; false in draw-to-fit mode, where only the fit box follows it.
    bool trackPointer(unsigned flags, plat::Point point);
    // Ends text entry, draw to fit and the tool's gesture, and empties the selection.
    void dropGesture();
    // Automatic text exit: Esc for the text being typed when the pointer has left its frame.
    void endTextEntryOutsideItsFrame(plat::Point point);
};

// Paints object `index` in raster mode `mode` on the window that was drawn last, through a
// temporary view.
void RedrawObject(int index, int mode);
// The window RedrawObject draws on: the footprint editor names its drawing area (null forgets).
void SetDrawingWindow(plat::Wnd* window);
