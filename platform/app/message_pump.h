#pragma once
// Message pumping for long operations that run on the user-interface thread (routing, net
// tracing, unpacking): PumpMessages delivers what is pending — paints, timers and the input of
// the windows allowed to take it (the progress window) — and holds every other user input
// back, so a document cannot be closed under a running operation.

#include <vector>

namespace plat {

class Wnd;

// Processes pending events once, then runs the repaint queue. Returns false once the program
// is ending (its main window has gone).
bool PumpMessages();

// While one exists, user input reaches only the given windows (and their controls); the
// Escape key is always noted for GetAsyncKeyState. Nests.
class InputHoldScope {
public:
    explicit InputHoldScope(std::vector<Wnd*> allowed = {});
    ~InputHoldScope();
    InputHoldScope(const InputHoldScope&) = delete;
    InputHoldScope& operator=(const InputHoldScope&) = delete;
private:
    std::vector<Wnd*> previous_;
    bool wasHolding_;
};
// Whether a long operation is under way (pumping messages or holding input back).
bool longOperationRunning();
// Whether input to w is held back at the moment.
bool inputHeldFor(const Wnd* w);

// Runs the repaint queue now: every window with an invalid region paints it. Called by the
// event loop when idle; tests call it instead of an event loop.
void DispatchPendingPaints();
// Whether any window waits to be painted.
bool paintsPending();

// Deletes objects whose deletion was deferred (closed documents, destroyed frames) once no
// handler of theirs is running. Called when the event loop is idle and by PumpMessages.
void collectGarbage();

// Runs the idle work: update-UI of toolbars, idle message in the status bar, documents' OnIdle,
// deferred deletions and paints.
void runIdle();

}  // namespace plat
