// The frame's simulation prompts and instrument windows (Utilities and Display menus).
#include "schemora/workspace/main_frame.h"

#include "platform/core/input_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/netlist/fourier_display.h"
#include "schemora/netlist/instrument_windows.h"
#include "schemora/netlist/sim_traces.h"
#include "schemora/netlist/simulation_prompts.h"
#include "schemora/netlist/step_control.h"

void CMainFrame::registerSimulationCommands()
{
    onDocumentCommand(scm::kCmdAnalogSimulation, &CMainFrame::OnAnalogSimulation);
    onDocumentCommand(scm::kCmdDigitalSimulation, &CMainFrame::OnDigitalSimulation);
    onDocumentCommand(scm::kCmdScope, &CMainFrame::OnScope);
    onDocumentCommand(scm::kCmdAnalyzer, &CMainFrame::OnAnalyzer);
    onDocumentCommand(scm::kCmdSpectrum, &CMainFrame::OnSpectrum);
    onCommand(scm::kCmdOutputFile, &CMainFrame::OnOutputFile);
    onDocumentCommand(scm::kCmdStep, &CMainFrame::OnStep);
}

void CMainFrame::OnAnalogSimulation()
{
    if (!GetActiveDocument())
        return;
    CRunSpiceDlg dialog;
    dialog.DoModal();
}

void CMainFrame::OnDigitalSimulation()
{
    if (!GetActiveDocument())
        return;
    CRunDigSimDlg dialog;
    dialog.DoModal();
}

void CMainFrame::OnScope()
{
    if (GetActiveDocument() && g_simTraces.instrumentMode == kInstrumentClosed)
        theScopeDlg.Open(this);
}

void CMainFrame::OnAnalyzer()
{
    if (GetActiveDocument() && g_simTraces.instrumentMode == kInstrumentClosed)
        theLogicAnalyzerDlg.Open(this);
}

void CMainFrame::OnStep()
{
    if (GetActiveDocument() && !theStepControlDlg.IsWindow() && g_simTraces.instrumentMode == kInstrumentClosed)
        theStepControlDlg.Open(this);
}

void CMainFrame::OnSpectrum()
{
    if (GetActiveDocument())
        theFourierDlg.Open(this);
}

void CMainFrame::OnOutputFile()
{
    if (plat::MessageBox("View Spice analysis results?", plat::kMbYesNo | plat::kMbIconQuestion) != plat::kIdYes)
        return;
    auto* doc = static_cast<CSchemoraDoc*>(GetActiveDocument());
    const std::string path = CutFileExtension(doc ? doc->GetPathName() : std::string()) + ".out";
    if (doc && !plat::fileExists(path) && plat::pathExists(path)) {
        plat::MessageBox(plat::notAFileText(plat::resolvePath(path)));   // a folder or pipe, by its kind
        return;
    }
    if (!doc || !plat::fileExists(path) || !plat::uiHost().showTextFile(path))
        plat::MessageBox("Unable to View Spice analysis");
}
