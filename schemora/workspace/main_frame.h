#pragma once
// The schematic program's main window on the editors' shared frame (common/editor_main_frame.h):
// its seven toolbars and commands, the step-run timer, and the close path that writes the
// settings and the toolbar layout back.

#include "common/editor_main_frame.h"

class CMainFrame : public quill::EditorMainFrame {
public:
    CMainFrame();
    ~CMainFrame() override;

    void OnClose() override;
    bool DestroyWindow() override;
    // A step-run tick that arrives while another is served is turned away.
    void OnTimer(unsigned id) override;
    // While a text is typed into a drawing, commands to the frame are dropped.
    bool OnCmdMsg(unsigned id, plat::CmdUI* ui) override;
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;

    // Utilities > Netlist: the netlist dialog on the active drawing.
    void OnNetlist();
    // Utilities > Design Rules: the connection check of the active drawing.
    void OnDesignRules();

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

    // Sheets (sheet_commands.cpp): File > New Page, Delete Current Page, Previous/Next Page and
    // the Page toolbar's combo.
    void OnNewPage();
    void OnDeletePage();
    void OnStepPage(unsigned id);
    void OnPageCombo();
    // Puts the page combo in step with the active drawing's sheets, and the View combos with its
    // layer filter, scale and grid.
    void SyncDrawingCombos();

    // Selective editing (selective_edit_commands.cpp): keys, Edit menu and the Modify combo.
    void OnSelectiveEdit(unsigned id);
    void OnUpdateSelectiveEdit(plat::CmdUI& ui);
    void OnSelEditCombo();
    // The Modify toolbar combo shows the selective-editing mode in force (when it lists it).
    void showSelectiveEditMode();

    // The View toolbar's combos (view_combo_commands.cpp).
    void OnLayerCombo();
    void OnScaleCombo();
    void OnGridCombo();

    // Setup toggles and Help (setup_commands.cpp).
    void OnSetupToggle(unsigned id);
    void OnSetColors();
    void OnGeneralSetup();
    void OnUpdateSetupToggle(plat::CmdUI& ui);
    void OnHelpContents();
    void OnContextHelp();

    // Setup > Selective Editing, Font and Page (setup_dialog_commands.cpp).
    void OnSelectiveEditing();
    void OnTextFont();
    void OnPageSetup();

    // Edit > Clear and Aux > Statistics (drawing_commands.cpp).
    void OnClear();
    void OnStatistics();

    // File > Save Drawing As Library Part, Utilities > Copy Library Parts and BUILD Utility
    // (library_commands.cpp).
    void OnSaveAsLibraryPart();
    void OnCopyLibraryParts();
    void OnBuildUtility();
    void OnNewLibraryPart();

    plat::ToolBar& mainToolBar();
    plat::ToolBar& drawToolBar();
    plat::ToolBar& editToolBar();
    // Modify right of Insert, Setup right of Modify, Simulation right of Setup (after the
    // Insert toolbar changed its length).
    void redockSecondRow();

private:
    void registerToolCommands();
    void registerSheetCommands();
    void registerSelectiveEditCommands();
    void registerViewComboCommands();
    void registerSetupCommands();
    void registerSetupDialogCommands();
    void registerDrawingCommands();
    void registerLibraryCommands();
    void registerPartWizardCommands();
    void OnPartWizard();
    // Gives the keyboard focus back to the active drawing after a combo choice.
    void focusActiveChild();
};
