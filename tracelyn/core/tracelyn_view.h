#pragma once
// The view of one board: a scrolling view in a child frame. It maps board coordinates to the
// window and the printer, paints through the board painters, and owns the zoom, scale,
// work-area and layer commands. The same class is built on the stack, without a window, only
// to prepare a DC for painting one object (RedrawObject).

#include "platform/app/view.h"

class CTracelynDoc;

class CTracelynView : public plat::ScrollView {
public:
    CTracelynView();
    ~CTracelynView() override;

    CTracelynDoc* GetDocument() const;

    bool PreCreateWindow(plat::CreateStruct& cs) override;
    void OnPrepareDC(plat::Dc& dc, plat::PrintInfo* info = nullptr) override;
    void OnInitialUpdate() override;
    void OnActivateView(bool activate, plat::View* activateView, plat::View* deactiveView) override;
    void OnDraw(plat::Dc& dc) override;
    void OnMouseMove(unsigned flags, plat::Point point) override;
    bool OnPreparePrinting(plat::PrintInfo* info) override;
    void OnBeginPrinting(plat::Dc& dc, plat::PrintInfo* info) override;
    void OnEndPrinting(plat::Dc& dc, plat::PrintInfo* info) override;

    // The screen mapping for a DC that is not the view's paint DC.
    void PrepareViewDC(plat::Dc& dc);
    // Scroll sizes from the work area of the current size letter.
    void UpdateScrollSizes();
    // One zoom level in (1) or out (0) about CursorPoint.
    void ZoomStep(int in);

private:
    void registerCommands();
    void loadCurrentDocument();
    void prepareScreen(plat::Dc& dc);

    void OnScale(unsigned id);
    void OnUpdateScale(plat::CmdUI& ui);
    void OnWorkArea(unsigned id);
    void OnUpdateWorkArea(plat::CmdUI& ui);
    void OnLayer(unsigned id);
    void OnUpdateLayer(plat::CmdUI& ui);
    void OnNextLayer();
    void OnPreviousLayer();
    void OnPageUp() { ZoomStep(1); }
    void OnPageDown() { ZoomStep(0); }
    void OnZoomIn();
    void OnZoomOut();
    void OnRedraw();
};

// Paints object `index` in raster mode `mode` on the window that was drawn last, through a
// temporary view.
void RedrawObject(int index, int mode);
