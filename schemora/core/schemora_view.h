#pragma once
// The view of one drawing. On activation it loads the current-document values from its
// document, so that the drawing and editing code works on that drawing. Painting, mapping,
// zoom and printing are the core's (sheet_painter.h, sheet_mapping.h); the view hands them its
// DC, its client rectangle and its document.

#include "common/editor_view.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_overlays.h"

class CSchemoraView : public quill::EditorView<CSchemoraDoc>, public SheetOverlays {
public:
    CSchemoraView();
    ~CSchemoraView() override;

    void OnDraw(plat::Dc& dc) override;
    // A window that is not the active one paints its own drawing and then gives the current
    // drawing, its sheet and the mapping back to the active one.
    void OnPaint() override;
    void OnPrepareDC(plat::Dc& dc, plat::PrintInfo* info = nullptr) override;
    // Another drawing's tool and typed text end; the view's sheet becomes the shown one.
    void OnActivateView(bool activate, plat::View* activateView, plat::View* deactiveView) override;

    // Maps a DC for the current drawing in this view's client area.
    void SetSheetMapping(plat::Dc& dc);
    // Zoom one step in (1) or out (0) about the sheet point under the mouse pointer.
    void ChangeZoom(int direction);

    // The repaint's requests of the view.
    void SetSheetScrollBars(const SheetScrollBars& bars) override;
    void UpdateStatusPanes() override;
    void DrawSelection(plat::Dc& dc) override;
    void DrawCursorMark(plat::Dc& dc) override;
    void DrawFitOverlay(plat::Dc& dc) override;

    // Mouse input of the edit engine (schemora_view_edit.cpp). With the draw-to-fit tool a
    // press leaves the fit view centred on the clicked point, or shows the fit view.
    void OnLButtonDown(unsigned flags, plat::Point point) override;
    void OnLButtonUp(unsigned flags, plat::Point point) override;
    void OnMouseMove(unsigned flags, plat::Point point) override;
    void OnRButtonDown(unsigned flags, plat::Point point) override;

    // Edit commands (schemora_view_edit.cpp).
    void OnEditSelect();
    void OnEditErase();
    void OnEditTransform(unsigned id);
    void OnEditOrigin();
    void OnEditUndo();
    void OnEditRedraw();
    void OnToggleCrossHair();
    void OnSelectAll();
    void OnToggleAutoDots();

    // Clipboard commands (schemora_view_clipboard.cpp).
    void OnEditCopy();
    void OnEditCopyText();
    void OnEditPaste();

    // Scroll bars and the wheel (schemora_view_scroll.cpp).
    void OnHScroll(unsigned code, unsigned pos, plat::Control* bar) override;
    void OnVScroll(unsigned code, unsigned pos, plat::Control* bar) override;
    bool OnMouseWheel(unsigned flags, short delta, plat::Point point) override;

    // Typed text, keys and the keyboard, bookmark and Aux commands (schemora_view_keys.cpp).
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnChar(unsigned ch, unsigned repeat, unsigned flags) override;
    bool OnCommand(unsigned id) override;
    void OnKillFocus(plat::Wnd* newWnd) override;
    void OnLayerStep(unsigned id);
    void OnZOrder(unsigned id);
    void OnSetBookmark();
    void OnClearBookmarks();
    void OnGoToBookmark();
    void OnKeyboardCursor(unsigned id);
    void OnHomePlace();
    void OnAutoText();
    void OnBillOfMaterials();
    void OnResourceUsage();

private:
    void registerCommands();
    void registerKeyCommands();
    void OnUpdateBookmarks(plat::CmdUI& ui);
    void scrollBy(int bar, unsigned code, unsigned pos);
    // The right button on the one selected object opens its dialog (a text: the font chooser).
    void openObjectDialog(plat::Point point);
    // Opens the generator setup of a signal source under the pointer; false when none is there.
    bool openSignalSourceAt(plat::Point point);
    void registerEditCommands();
    void registerClipboardCommands();
    void copyViewAsBitmap(const plat::Rect& area);
    void dropSelectionAfterCopy(const char* format, int n);
    void OnUpdateEditSelect(plat::CmdUI& ui);
    void OnUpdateNeedsSelection(plat::CmdUI& ui);
    void OnUpdateEditUndo(plat::CmdUI& ui);
    void OnUpdateAutoDots(plat::CmdUI& ui);
    // A DC of the view mapped for the current drawing, with the drawing loaded.
    void prepareEditDc(plat::Dc& dc);
    void updateMarkStyle();
    void showEditCursor();
    void scrollAtEdge(unsigned flags, plat::Point point);
    void OnCenter();
    void OnZoomIn() { ChangeZoom(1); }
    void OnZoomOut() { ChangeZoom(0); }
    void OnDrawToFit();
    void OnSheetSize(unsigned id);
    void OnGrid(unsigned id);
    void OnScale(unsigned id);
    void OnLayer(unsigned id);
    void OnUpdateDrawToFit(plat::CmdUI& ui);
    void storeCentreAndScale();
    // Back from the fit view to the normal view about sheet point centre (tool 0 when the
    // draw-to-fit tool was current); false when the fit view was not shown.
    bool leaveFitView(plat::Point centre);
};
