#pragma once
// The step control: replays the digital listing on the drawing itself. Parts that stand for
// devices (lamps, displays, speakers, relays) show the listing's levels step by step, one step
// per Step press or two listing lines per tick of timer 20107 (started by Cycle on the main
// frame, which serves its ticks).

#include "platform/app/dialog.h"

inline constexpr int kStepResetPosition = 12345;
inline constexpr unsigned kTimerStepRun = 20107;
inline constexpr unsigned kStepPeriodMs = 500;

struct StepControlState {
    int position = kStepResetPosition;   // the next listing line to show
    int numberOfSteps = 20;
    int stepsDone = 0;
    bool stopRequest = false;            // the frame kills the timer at its next tick
};
extern StepControlState g_stepControl;

class CStepControlDlg : public plat::Dialog {
public:
    CStepControlDlg();
    bool OnInitDialog() override;
    void OnOK() override;               // Stop: the window stays open
    void OnClose() override;
    // Escape closes the window as its close box does: a window only hidden would keep its
    // place, and the Display menu would never open it (or another instrument) again.
    void OnCancel() override { OnClose(); }
    void OnTimer(unsigned id) override;
    bool Open(plat::Wnd* parent);

    void OnStep();
    void OnCycle();
    void OnReset();
    // Shows the step number in the 20106 static.
    void ShowStepNumber(int number);

private:
    int startPosition() const;
};
extern CStepControlDlg theStepControlDlg;

// Shows listing line position on the device parts of the drawing.
void UpdateSimDevices(int position);
// One tick of timer 20107; timerOwner is the window the timer runs on (the main frame).
void StepTimerTick(plat::Wnd& timerOwner);
// A position wrapped into the listing (0 when it is empty).
int WrapStepPosition(int position);
