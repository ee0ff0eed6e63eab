#pragma once
// The Fourier display: the ten harmonics of the ".out" Fourier table as phase and magnitude
// bars, with a zoom for each.

#include "platform/app/dialog.h"

class CFourierDlg : public plat::Dialog {
public:
    CFourierDlg();
    bool OnInitDialog() override;
    void OnClose() override;
    // Escape closes the window as its close box does: a window only hidden would keep its
    // place, and the Display menu would never open it (or another instrument) again.
    void OnCancel() override { OnClose(); }
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;
    bool Open(plat::Wnd* parent);

    void OnPhaseZoom();
    void OnMagnitudeZoom();
    void OnPrint();
    void RedrawPlot();

private:
    void showZoomTexts();
};

extern CFourierDlg theFourierDlg;

// Draws the Fourier bars into rect (the plot static, or the page when printing).
void DrawFourierPlot(plat::Dc& dc, const plat::Rect& rect, bool printing);
// A zoom index after a spin of the up-down control: -1 raises it, anything else lowers it.
int NextZoomIndex(int index, int delta);
