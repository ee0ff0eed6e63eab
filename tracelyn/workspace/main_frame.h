#pragma once
// The board program's main window: menus, the toolbar with the layer-view buttons, the status
// bar, the timers of start-up, the close path that writes the settings back, and the goodbye
// sound when the window goes.

#include "platform/app/control_bars.h"
#include "platform/app/frame_wnd.h"

class CMainFrame : public plat::MDIFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

    int OnCreate() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnTimer(unsigned id) override;

    // Board commands of the routing subsystem: netlist, rats nest, checks and statistics.
    void OnLoadNetlist();
    void OnRatsNest();
    void OnClearRatsNest();
    void OnRegrid();
    void OnStatistics();
    void OnDesignRules();
    // Routing: batch route, via optimiser, smoothing, necking, statistics, the pad-to-pad tool
    // and the undo of a routing operation.
    void OnBatchRoute();
    void OnOptimize();
    void OnSmooth();
    void OnNeck();
    void OnRouterStatistics();
    void OnRoutePadToPad();
    void OnEditUndo();
    void OnUpdateNeedsBoard(plat::CmdUI& ui);

    plat::ToolBar& toolBar() { return toolBar_; }
    plat::StatusBar& statusBarPanes() { return status_; }

private:
    // Asks for a netlist file; its path becomes the netlist name. False when cancelled.
    bool chooseNetlist();

    plat::ToolBar toolBar_;
    plat::StatusBar status_;
};
