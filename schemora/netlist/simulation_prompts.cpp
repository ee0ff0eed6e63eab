#include "schemora/netlist/simulation_prompts.h"

#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "platform/system/profile_file.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/design_name.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_state.h"
#include "schemora/netlist/analysis_setup.h"
#include "schemora/netlist/bounded_lines.h"
#include "schemora/netlist/netlist_builder.h"
#include "schemora/netlist/sim_traces.h"

using namespace scm;

namespace {

// The adapter's heading line and up to twelve lines of the simulator's reasons.
constexpr int kReasonLines = 13;

// Runs the netlister over all sheets of the active drawing; 1 when it wrote its files.
int runNetlister(int kind, std::string* outputPath)
{
    const std::string path = g_current.activeDocument ? g_current.activeDocument->GetPathName() : std::string();
    if (path.empty()) {
        // The simulation files are named after the drawing and lie beside it.
        plat::MessageBox("Save the drawing before simulating it.");
        return 0;
    }
    g_designName.text = path;
    CNetlistBuilder builder;
    builder.m_kind = kind;
    builder.m_currentSheet = g_sheetView.currentSheet;
    builder.m_sheetCount = g_current.activeDocument ? g_current.activeDocument->data().numberOfSheets : 1;
    const int result = builder.GenerateNetlist();
    if (outputPath)
        *outputPath = builder.m_outputPath;
    return result;
}

// The adapter writes why a run failed into the listing ("*** ..." lines).
std::string failureReason(const std::string& listing)
{
    BoundedLineFile file(listing);
    std::string reason, line;
    for (int n = 0; n < kReasonLines && file.next(line, 79); ++n) {
        if (line.rfind("*** ", 0) != 0)
            break;
        reason += "\n" + line.substr(4);
    }
    return reason;
}

}  // namespace

std::string SimulatorCommand(const char* key, const char* fallback, const std::string& file)
{
    std::string command = plat::GetPrivateProfileString("Schemora", key, fallback, g_folders.iniPath);
    if (command.empty())
        command = fallback;
    return command + " \"" + file + "\"";
}

CRunSimulatorDlg::CRunSimulatorDlg(unsigned templateId, int netlistKind)
    : plat::Dialog(templateId), netlistKind_(netlistKind)
{
    onCommand(kIdcSetup, &CRunSimulatorDlg::OnSetup);
}

void CRunSimulatorDlg::OnOK()
{
    plat::Dialog::OnOK();
    std::string input;
    if (runNetlister(netlistKind_, &input) == 1)
        runSimulator(input);
}

CRunSpiceDlg::CRunSpiceDlg() : CRunSimulatorDlg(kIddRunSpice, kNetlistSpice) {}

void CRunSpiceDlg::openSetup()
{
    CSpiceProp sheet;
    sheet.DoModal();
}

void CRunSpiceDlg::runSimulator(const std::string& deck)
{
    const std::string command = SimulatorCommand(kAnalogSimulatorKey, kDefaultAnalogSimulator, deck);
    const int code = plat::uiHost().runProgram(command, kAnalogRunLimitMs);
    if (code < 0) {
        plat::MessageBox("Can't execute Voltessa:\nCheck file locations.", plat::kMbOk | plat::kMbIconStop);
        return;
    }
    if (code != 0)
        plat::MessageBox("Analog simulation failed:" + failureReason(SimulationBasePath() + ".out"),
                         plat::kMbOk | plat::kMbIconStop);
}

CRunDigSimDlg::CRunDigSimDlg() : CRunSimulatorDlg(kIddRunDigSim, kNetlistDigital) {}

void CRunDigSimDlg::openSetup()
{
    CDigSimSetupDlg dialog;
    dialog.DoModal();
}

void CRunDigSimDlg::runSimulator(const std::string& circuit)
{
    if (!plat::uiHost().startProgram(SimulatorCommand(kDigitalSimulatorKey, kDefaultDigitalSimulator, circuit)))
        plat::MessageBoxId(kStrCantRunDigital, plat::kMbOk | plat::kMbIconStop);
}
