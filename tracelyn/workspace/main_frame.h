#pragma once
// The board program's main window on the editors' shared frame (common/editor_main_frame.h):
// its Main, Insert, Modify, Setup and View toolbars and commands, the close path that writes the
// settings back, and the goodbye sound when the window goes.

#include "common/editor_main_frame.h"

#include <cstdint>
#include <memory>
#include <span>

class CDesignRulesDlg;

// The five bars in the order of View > Toolbars.
std::span<const ToolBarSpec> BoardToolBarSpecs();
std::span<const ToolBarDock> BoardToolBarDocking();

class CMainFrame : public quill::EditorMainFrame {
public:
    CMainFrame();
    ~CMainFrame() override;

    void OnClose() override;
    void OnDestroy() override;
    // While text is typed into a board its keys are the text's: no command either.
    bool OnCommand(unsigned id) override;
    // The owner-drawn items of the toolbar combos.
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;

    // Board commands of the routing subsystem: netlist, rats nest, checks and statistics.
    void OnLoadNetlist();
    void OnRatsNest();
    void OnClearRatsNest();
    void OnRegrid();
    void OnStatistics();
    // Aux > Check: the Design Rules Check dialog; its Check button checks the active board.
    void OnDesignRules();
    // Routing: batch route, via optimiser, smoothing, necking and the router statistics.
    void OnBatchRoute();
    void OnOptimize();
    void OnSmooth();
    void OnNeck();
    void OnRouterStatistics();
    // Process > Placement: starts the placement program beside this one (placement_command.cpp).
    void OnPlacement();
    // Setup > Colors (set_colors_command.cpp).
    void OnColors();
    // Setup > General, Layers, Selective Editing and Font, File > Printout Settings, Aux > Resources,
    // Ctrl+F3 (setup_commands.cpp).
    void OnGeneralSetup();
    void OnLayerSetup();
    void OnPrintoutSettings();
    void OnToggleRouteMode();
    void OnSelectiveSetup();
    void OnResources();
    void OnFont();

    // Editing commands: the drawing tools (a second choice of the current tool opens its
    // style dialog), the tool keys that never open it, Aux > Auto, Setup > Pad and the
    // selective-edit modes.
    void OnTool(unsigned id);
    void OnToolKey(unsigned id);
    void OnUpdateTool(plat::CmdUI& ui);
    void OnUpdateToolKey(plat::CmdUI& ui);
    void OnAutoText();
    void OnPadSetup();
    void OnSelectiveEdit(unsigned id);
    void OnUpdateSelectiveEdit(plat::CmdUI& ui);
    void OnSelectiveEditCombo();

    // The View toolbar's combos and the units switch (U).
    void OnLayerCombo();
    void OnScaleCombo();
    void OnGridCombo();
    void OnStockWidthCombo();
    void OnUnits();
    void OnUpdateUnits(plat::CmdUI& ui);
    // Refills the grid and width combos when the units changed since they were filled,
    // keeping the chosen position.
    void RefillUnitCombos();

    // The Setup toolbar's switches.
    void OnSetupToggle(unsigned id);
    void OnUpdateSetupToggle(plat::CmdUI& ui);

    // Help.
    void OnHelpContents();
    void OnContextHelp();

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
    // Utilities > Copy Library Parts (library_commands.cpp).
    void OnCopyLibraryParts();
    // Utilities > New Package Part and the package wizard (package_frame_commands.cpp).
    void OnNewPackagePart();
    void OnPackageWizard();

    // The bars by their resource id (232 Main, 228 Insert, 230 Modify, 102 Setup, 600 View).
    plat::ToolBar* toolBar(unsigned barId) const;
    plat::ToolBarCombo* frameCombo(unsigned comboId) const;

private:
    void registerEditCommands();
    void registerSearchCommands();
    void registerAdvancedCommands();
    void registerViewBarCommands();
    void registerSetupToggles();
    void registerSetupCommands();
    void registerHelpCommands();
    void registerFrameCommands();
    void registerLibraryCommands();
    void fillToolBarCombos() override;
    int chosenEntry(unsigned comboId) const;
    void backToBoard();
    void registerArtworkNetlistCommands();
    void registerPackageEditorCommands();
    // Asks for a netlist file; its path becomes the netlist name. False when cancelled.
    bool chooseNetlist();
    // Registers the manufacturing commands' handlers.
    void addManufacturingCommands();

    int32_t comboUnits_ = 0;        // the units the grid and width combos were filled for
    // Aux > Check's dialog, whose switches last for the program's run.
    std::unique_ptr<CDesignRulesDlg> designRules_;
};
