#pragma once
// The oscilloscope and the logic analyzer: modeless windows held in global objects, created by
// the main frame on demand; closing one destroys its window and clears the instrument mode.

#include "platform/app/dialog.h"

class CInstrumentDlg : public plat::Dialog {
public:
    CInstrumentDlg(unsigned templateId, bool digital);
    bool OnInitDialog() override;
    void OnClose() override;
    // Escape closes the window as its close box does: a window only hidden would keep its
    // place, and the Display menu would never open it (or another instrument) again.
    void OnCancel() override { OnClose(); }
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;
    // The plot fills the window right of the button column; rows of trace buttons the plot has
    // no height for are hidden.
    void OnSize(unsigned type, int cx, int cy) override;
    void OnHScroll(unsigned code, unsigned pos, plat::Control* bar) override;
    // The time cursor and the scope's offset handles follow the mouse over the plot.
    void OnControlMouse(plat::Control& control, unsigned message, unsigned flags, plat::Point point) override;

    // Creates the window unless it exists; false when it did.
    bool Open(plat::Wnd* parent);
    // Repaints the plot at once.
    void RedrawPlot();
    int traceCount() const { return digital_ ? 16 : 8; }
    // The traces whose buttons the window shows, and so the traces the plot draws.
    int visibleTraces() const { return visibleTraces_; }
    int plotWidth() const;

    void OnTime();
    void OnPlusMinus();
    void OnPrint();

protected:
    virtual void runSetup() = 0;
    // Button texts that follow the store after a reload.
    virtual void showTraceButtons() { showTraceNames(); }
    void OnSetup() { runSetup(); }
    void showTraceNames();

    bool digital_;

private:
    // Shows the trace buttons (and the scope's step and offset buttons) a plot of that height
    // has rows for, hides the others.
    void layOutTraceRows(int plotHeight, bool redraw);
    void drawTraceButton(unsigned ctlId, plat::DrawItem& item) const;
    bool pressOnHandle(const plat::Rect& plot, plat::Point point);
    void dragOffset(const plat::Rect& plot, plat::Point point);
    void dragCursor(const plat::Rect& plot, plat::Point point);

    bool cursorDragged_ = false;
    int visibleTraces_ = 0;
};

class CScopeDlg : public CInstrumentDlg {
public:
    CScopeDlg();
    bool OnInitDialog() override;
    void OnStepButton(unsigned id);
    void OnOffsetButton(unsigned id);
    void OnResetOffsets();

protected:
    void runSetup() override;
    void showTraceButtons() override;

private:
    void showStepTexts();
};

class CLogicAnalyzerDlg : public CInstrumentDlg {
public:
    CLogicAnalyzerDlg();
    bool OnInitDialog() override;

protected:
    void runSetup() override;
};

class CScopeSetupDlg : public plat::Dialog {
public:
    CScopeSetupDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void OnGraticule();
};

class CLogicSetupDlg : public plat::Dialog {
public:
    CLogicSetupDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

extern CScopeDlg theScopeDlg;
extern CLogicAnalyzerDlg theLogicAnalyzerDlg;

// Creates a modeless instrument window from its template unless it exists; false when it did.
bool OpenInstrumentWindow(plat::Dialog& dialog, plat::Wnd* parent);

// Closes every instrument window that is open (the program is ending).
void CloseInstrumentWindows();
