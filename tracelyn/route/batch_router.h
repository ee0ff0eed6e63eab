#pragma once
// The batch router as start-up sees it: the setup dialog "Batch Router Setup" (146), run
// modally after a board was opened from the command line, and the router object whose
// BatchRoute routes the current board over the loaded netlist.

#include "platform/app/dialog.h"

class CBatchRouterSetupDlg : public plat::Dialog {
public:
    explicit CBatchRouterSetupDlg(plat::Wnd* parent);
};

// Owner of a batch-routing run; it keeps no data between runs.
class CBatchRouter {
public:
    // Routes the current board; the result tells how the run ended (1 done, 0 nothing routed).
    int BatchRoute();
};
