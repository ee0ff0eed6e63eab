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
    // While text is typed into a board its keys are the text's: no accelerator, no command.
    bool PreTranslateMessage(plat::Msg& msg) override;
    bool OnCommand(unsigned id) override;

    // Board commands of the routing subsystem: netlist, rats nest, checks and statistics.
    void OnLoadNetlist();
    void OnRatsNest();
    void OnClearRatsNest();
    void OnRegrid();
    void OnStatistics();
    void OnDesignRules();
    // Routing: batch route, via optimiser, smoothing, necking and the router statistics.
    void OnBatchRoute();
    void OnOptimize();
    void OnSmooth();
    void OnNeck();
    void OnRouterStatistics();
    void OnUpdateNeedsBoard(plat::CmdUI& ui);

    // Editing commands: the drawing tools (a second choice of the current tool opens its
    // style dialog), Aux > Auto, Setup > Pad and the selective-edit modes.
    void OnTool(unsigned id);
    void OnUpdateTool(plat::CmdUI& ui);
    void OnAutoText();
    void OnPadSetup();
    void OnSelectiveEdit(unsigned id);
    void OnUpdateSelectiveEdit(plat::CmdUI& ui);
    void OnSelectiveEditCombo();

    plat::ToolBar& insertBar() { return insertBar_; }
    plat::ToolBar& modifyBar() { return modifyBar_; }
    // Manufacturing output and imports: the Gerber and drill file set, the Gerber import with
    // its D-code list, and the DXF import.
    void OnGenerateManufacturing();
    void OnImportGerber();
    void OnImportDxf();
    void OnViewDcodes();

    // Aux > Find and Replace, Alt+S scaling and the V, N, H alignments (board_search_commands.cpp).
    void OnFind();
    void OnReplace();
    void OnScaleSelection();
    void OnAlign(unsigned id);
    void OnUpdateAlign(plat::CmdUI& ui);
    void OnUpdateNeedsSelection(plat::CmdUI& ui);

    // Edit > Advanced, the o key and Aux > Ref No and Back Annotate (board_advanced_commands.cpp).
    void OnMoveToLayer();
    void OnSnapTextToPad();
    void OnCutTrace();
    void OnGoto();
    void OnClearDrcMarks();
    void OnSetReadoutOrigin();
    void OnRefNo();
    void OnBackAnnotate();
    // Utilities > Netlist and Compare Nets (artwork_netlist_commands.cpp).
    void OnArtworkNetlist();
    void OnCompareNets();

    plat::ToolBar& toolBar() { return toolBar_; }
    plat::StatusBar& statusBarPanes() { return status_; }

private:
    void registerEditCommands();
    void registerSearchCommands();
    void registerAdvancedCommands();
    void registerArtworkNetlistCommands();
    bool createEditBars();
    // Asks for a netlist file; its path becomes the netlist name. False when cancelled.
    bool chooseNetlist();
    // Registers the manufacturing commands' handlers.
    void addManufacturingCommands();

    plat::ToolBar toolBar_;
    plat::ToolBar insertBar_;
    plat::ToolBar modifyBar_;
    plat::StatusBar status_;
};
