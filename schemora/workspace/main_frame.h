#pragma once
// The schematic program's main window: menus, toolbars, the status bar, the timers of
// start-up, and the close path that writes the settings back.

#include "platform/app/control_bars.h"
#include "platform/app/frame_wnd.h"

class CMainFrame : public plat::MDIFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

    int OnCreate() override;
    void OnClose() override;
    void OnTimer(unsigned id) override;
    // While a text is typed into a drawing, keys go to the text, not to the accelerators.
    bool PreTranslateMessage(plat::Msg& msg) override;

    // Utilities > Netlist: the netlist dialog on the active drawing.
    void OnNetlist();
    // Utilities > Design Rules: the connection check of the active drawing.
    void OnDesignRules();
    void OnUpdateNeedsDrawing(plat::CmdUI& ui);

    // The drawing tools (tool_commands.cpp): each sets the current tool.
    void OnToolCommand(unsigned id);
    void OnUpdateToolCommand(plat::CmdUI& ui);
    // Edit > Add Part (F5): the "Library Parts" chooser, then tool 311.
    void OnInsertPart();
    // Rubberband mode (F6): wires follow moved, turned and flipped parts.
    void OnRubberBand();
    void OnUpdateRubberBand(plat::CmdUI& ui);
    // Simulation and instrument commands (simulation_commands.cpp).
    void OnAnalogSimulation();
    void OnDigitalSimulation();
    void OnScope();
    void OnAnalyzer();
    void OnSpectrum();
    void OnOutputFile();
    void OnStep();
    void OnEditNetsOnly();
    void registerSimulationCommands();
    // Edit > Advanced, Aux > Ref No and Check Schematic (advanced_edit_commands.cpp).
    void OnScaleObjects();
    void OnReGrid();
    void OnAlign(unsigned id);
    void OnUpdateAlign(plat::CmdUI& ui);
    void OnRefNo();
    void OnCheckSchematic();
    void registerAdvancedEditCommands();
    // Aux > Find and Aux > Replace Text (search_commands.cpp).
    void OnFind();
    void OnReplaceText();
    void registerSearchCommands();
    // Utilities > Printed Circuit Board (make_board.cpp).
    void OnMakeBoard();
    void registerBoardCommands();

    plat::ToolBar& fileToolBar() { return fileBar_; }
    plat::ToolBar& drawToolBar() { return drawBar_; }
    plat::ToolBar& editToolBar() { return editBar_; }
    plat::StatusBar& statusBarPanes() { return status_; }

private:
    void registerToolCommands();
    plat::ToolBar fileBar_;
    plat::ToolBar drawBar_;
    plat::ToolBar editBar_;
    plat::StatusBar status_;
    int animationPhase_ = 0;   // status animation: 0 to 3
};
