#include "tracelyn/route/router_dialogs.h"

#include "platform/app/file_dialog_folder.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/route_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_strategy.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/route/board_checks.h"
#include "tracelyn/route/trace_necking.h"
#include "tracelyn/route/trace_smoothing.h"

#include <cstdio>
#include <cstdlib>

BatchRouterExtras g_batchExtras;

namespace {

constexpr int kFieldChars = 20;

// The values of g_router.values by meaning.
enum RouterValue : int { kViaSize, kViaHole, kTraceWidth, kGrid, kSort, kBuried, kFinalVias, kMaxLength, kInitialVias };

int32_t& value(RouterValue v) { return g_router.values[static_cast<size_t>(v)]; }

std::string activePath()
{
    return g_active.document != nullptr ? g_active.document->GetPathName() : std::string();
}

// The netlist fields start with the netlist last loaded for the active board, else the
// board's own base name.
std::string startingNetlistName()
{
    const BoardDocumentData* doc = g_active.data;
    return doc != nullptr && !doc->lastNetlist.empty() ? doc->lastNetlist : BoardBaseName(activePath());
}

std::string mils(int32_t units) { return std::to_string(units / 10); }

}  // namespace

int32_t BatchGridPitch(int32_t gridCommand)
{
    switch (gridCommand) {
    case 702: return 250;
    case 704: return 1000;
    default: return 500;
    }
}

std::string BoardBaseName(std::string_view path)
{
    std::string name(path.substr(0, path.find('#')));
    const size_t slash = name.find_last_of("/\\");
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        name.erase(dot);
    return name;
}

std::string BrowseForFile(unsigned filterId)
{
    plat::FileDialogRequest request;
    request.open = true;
    request.filter = plat::LoadString(filterId);
    // A board's netlist lies beside it: the dialog starts in the active board's folder.
    request.initialFolder = g_active.document != nullptr ? plat::FileDialogFolder(g_active.document)
                                                         : plat::FileDialogFolder();
    return plat::uiHost().fileDialog(request).path;
}

CBatchRouterSetupDlg::CBatchRouterSetupDlg(plat::Wnd* parent) : plat::Dialog(tly::kIddBatchRouterSetup, parent) {}

bool CBatchRouterSetupDlg::OnInitDialog()
{
    using namespace tly;
    for (int layer = 0; layer < 16; ++layer)
        CheckDlgButton(kIdcBatchLayerFirst + layer, g_router.layerSwitches[static_cast<size_t>(layer)]);
    CheckDlgButton(kIdcBatchBuried, value(kBuried));
    const int32_t sort = value(kSort);
    CheckRadioButton(kIdcBatchSortNone, kIdcBatchSortX, sort >= 1026 && sort <= 1028 ? static_cast<unsigned>(sort) : unsigned{kIdcBatchSortNone});
    const int32_t grid = value(kGrid);
    CheckRadioButton(kIdcBatchGrid25, kIdcBatchGrid100, grid >= 702 && grid <= 704 ? static_cast<unsigned>(grid) : unsigned{kIdcBatchGrid50});
    pitch_ = BatchGridPitch(grid);
    const unsigned powerIds[6] = {kIdcBatchVcc, kIdcBatchGround, kIdcBatchPower1, kIdcBatchPower1 + 1,
                                  kIdcBatchPower1 + 2, kIdcBatchPower1 + 3};
    for (size_t p = 0; p < 6; ++p)
        CheckDlgButton(powerIds[p], g_batchExtras.power[p]);
    CheckDlgButton(kIdcBatchBevels, g_batchExtras.bevels);
    CheckDlgButton(kIdcBatchMemoryRouter, g_batchExtras.memoryRouter);
    SetDlgItemText(kIdcBatchTraceWidth, mils(value(kTraceWidth)));
    SetDlgItemText(kIdcBatchViaSize, mils(value(kViaSize)));
    SetDlgItemText(kIdcBatchViaHole, mils(value(kViaHole)));
    SetDlgItemText(kIdcBatchClearance, mils(g_batchExtras.clearance));
    SetDlgItemText(kIdcBatchLength, mils(value(kMaxLength)));
    SetDlgItemInt(kIdcBatchFinalVias, value(kFinalVias));
    SetDlgItemInt(kIdcBatchInitialVias, value(kInitialVias));
    SetDlgItemInt(kIdcBatchRetries, g_router.passes);
    g_batchExtras.baseName = BoardBaseName(activePath());
    SetDlgItemText(kIdcBatchNetlist, startingNetlistName());
    return true;
}

void CBatchRouterSetupDlg::setGrid(unsigned id)
{
    using namespace tly;
    struct Preset {
        int32_t pitch;
        const char *width, *via, *hole, *clearance;
    };
    static constexpr Preset kPresets[] = {{250, "8", "16", "8", "8"}, {500, "12", "30", "15", "10"}, {1000, "24", "50", "30", "10"}};
    const Preset& p = kPresets[id - kIdcBatchGrid25];
    pitch_ = p.pitch;
    SetDlgItemText(kIdcBatchTraceWidth, p.width);
    SetDlgItemText(kIdcBatchViaSize, p.via);
    SetDlgItemText(kIdcBatchViaHole, p.hole);
    SetDlgItemText(kIdcBatchClearance, p.clearance);
}

bool CBatchRouterSetupDlg::OnCommand(unsigned id)
{
    using namespace tly;
    if (id >= kIdcBatchGrid25 && id <= kIdcBatchGrid100) {
        const bool handled = plat::Dialog::OnCommand(id);
        setGrid(id);
        return handled;
    }
    if (id == kIdcBrowse) {
        const std::string path = BrowseForFile(kStrNetlistFilter);
        if (!path.empty())
            SetDlgItemText(kIdcBatchNetlist, path);
        return true;
    }
    return plat::Dialog::OnCommand(id);
}

void CBatchRouterSetupDlg::OnOK()
{
    using namespace tly;
    std::array<int32_t, 16> layers{};
    for (int layer = 0; layer < 16; ++layer)
        layers[static_cast<size_t>(layer)] = IsDlgButtonChecked(kIdcBatchLayerFirst + layer) != 0 ? 1 : 0;
    const unsigned grid = GetCheckedRadioButton(kIdcBatchGrid25, kIdcBatchGrid100);
    const unsigned sort = GetCheckedRadioButton(kIdcBatchSortNone, kIdcBatchSortX);
    const int32_t width = GetDlgItemInt(kIdcBatchTraceWidth) * 10;
    const int32_t clearance = GetDlgItemInt(kIdcBatchClearance) * 10;
    const int32_t viaSize = GetDlgItemInt(kIdcBatchViaSize) * 10;
    const int32_t pitch = grid != 0 ? BatchGridPitch(static_cast<int32_t>(grid)) : pitch_;
    if (viaSize > pitch) {
        std::string text(kViaSizeQuestion);
        text.replace(text.find("%1"), 2, std::to_string(viaSize / 10));
        if (plat::MessageBox(text, plat::kMbYesNo | plat::kMbIconStop) != plat::kIdYes)
            return;
    }
    if (pitch - viaSize / 2 - width / 2 < clearance) {
        plat::MessageBox(std::string(kClearanceWarning), plat::kMbIconStop);
        return;
    }
    for (int layer = 0; layer < 16; ++layer)
        g_router.layerSwitches[static_cast<size_t>(layer)] = layers[static_cast<size_t>(layer)];
    value(kBuried) = IsDlgButtonChecked(kIdcBatchBuried) != 0 ? 1 : 0;
    g_batchExtras.bevels = IsDlgButtonChecked(kIdcBatchBevels) != 0 ? 1 : 0;
    g_batchExtras.memoryRouter = IsDlgButtonChecked(kIdcBatchMemoryRouter) != 0 ? 1 : 0;
    const unsigned powerIds[6] = {kIdcBatchVcc, kIdcBatchGround, kIdcBatchPower1, kIdcBatchPower1 + 1,
                                  kIdcBatchPower1 + 2, kIdcBatchPower1 + 3};
    for (size_t p = 0; p < 6; ++p)
        g_batchExtras.power[p] = IsDlgButtonChecked(powerIds[p]) != 0 ? 1 : 0;
    if (grid != 0)
        value(kGrid) = static_cast<int32_t>(grid);
    g_router.gridPitch = pitch;
    if (sort != 0)
        value(kSort) = static_cast<int32_t>(sort);
    const std::string netlist = GetDlgItemText(kIdcBatchNetlist, static_cast<int>(kNetlistNameChars));
    g_netlist.netlistName = netlist;
    g_router.netlistName = netlist;
    value(kTraceWidth) = width;
    g_batchExtras.clearance = clearance;
    value(kViaSize) = viaSize;
    value(kViaHole) = GetDlgItemInt(kIdcBatchViaHole) * 10;
    value(kMaxLength) = GetDlgItemInt(kIdcBatchLength) * 10;
    value(kFinalVias) = GetDlgItemInt(kIdcBatchFinalVias);
    value(kInitialVias) = GetDlgItemInt(kIdcBatchInitialVias);
    g_router.passes = GetDlgItemInt(kIdcBatchRetries);
    g_batchExtras.clearanceCopy = GetDlgItemInt(kIdcBatchClearance);
    // The values are the router's now; a strategy file that cannot keep them is reported.
    if (!g_batchExtras.baseName.empty())
        if (const plat::WriteResult written = WriteRouterStrategy(g_batchExtras.baseName); !written)
            plat::MessageBox(written.message(), plat::kMbIconStop);
    plat::Dialog::OnOK();
}

CRatsNestSetupDlg::CRatsNestSetupDlg() : plat::Dialog(tly::kIddRatsNestSetup, nullptr) {}

bool CRatsNestSetupDlg::OnInitDialog()
{
    SetDlgItemText(tly::kIdcRatsNestName, startingNetlistName());
    return true;
}

bool CRatsNestSetupDlg::OnCommand(unsigned id)
{
    if (id == tly::kIdcBrowse) {
        const std::string path = BrowseForFile(tly::kStrNetlistFilter);
        if (!path.empty())
            SetDlgItemText(tly::kIdcRatsNestName, path);
        return true;
    }
    return plat::Dialog::OnCommand(id);
}

void CRatsNestSetupDlg::OnOK()
{
    g_netlist.netlistName = GetDlgItemText(tly::kIdcRatsNestName, 80);
    plat::Dialog::OnOK();
}

CSmoothingDlg::CSmoothingDlg() : plat::Dialog(tly::kIddSmoothing, nullptr) {}

bool CSmoothingDlg::OnInitDialog()
{
    const int32_t mode = g_smoothing.mode;
    CheckRadioButton(tly::kIdcSmoothArcs, tly::kIdcSmoothOrthogonal,
                     mode >= kSmoothArcs && mode <= kSmoothOrthogonal ? static_cast<unsigned>(mode) : tly::kIdcSmoothArcs);
    return true;
}

void CSmoothingDlg::OnOK()
{
    const unsigned checked = GetCheckedRadioButton(tly::kIdcSmoothArcs, tly::kIdcSmoothOrthogonal);
    if (checked != 0)
        g_smoothing.mode = static_cast<int32_t>(checked);
    plat::Dialog::OnOK();
}

bool RunSmoothingDialog()
{
    CSmoothingDlg dialog;
    return dialog.DoModal() == plat::kIdOk;
}

CNeckingDlg::CNeckingDlg() : plat::Dialog(tly::kIddNecking, nullptr) {}

bool CNeckingDlg::OnInitDialog()
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", g_necking.neckWidth * 0.1);
    SetDlgItemText(tly::kIdcNeckWidth, text);
    std::snprintf(text, sizeof text, "%.1f", g_designRules.padToTrace * 0.1);
    SetDlgItemText(tly::kIdcNeckClearance, text);
    return true;
}

void CNeckingDlg::OnOK()
{
    const auto read = [this](unsigned id) {
        const std::string text = GetDlgItemText(id, kFieldChars);
        return static_cast<int32_t>(std::strtod(text.c_str(), nullptr) * 10);
    };
    g_necking.neckWidth = read(tly::kIdcNeckWidth);
    g_designRules.padToTrace = read(tly::kIdcNeckClearance);
    plat::Dialog::OnOK();
}
