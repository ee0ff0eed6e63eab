#include "tracelyn/route/manufacturing_dialog.h"

#include "platform/core/ui_host.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/route/photoplot_files.h"

#include <algorithm>

CManufacturingDlg::CManufacturingDlg() : plat::Dialog(tly::kIddManufacturing, nullptr)
{
    onCommand(tly::kIdcClearSettings, &CManufacturingDlg::OnClearSettings);
}

bool CManufacturingDlg::OnInitDialog()
{
    g_gerberLayers = GerberLayerFlags{};
    if (g_board.objects != nullptr) {
        const int last = std::min(g_board.count, g_board.capacity - 1);
        for (int i = 1; i <= last; ++i) {
            const BoardObject& o = g_board.objects[i];
            const int layer = o.layer();
            if (o.kind() == kKindDeleted || layer < 0 || layer > 31)
                continue;
            g_gerberLayers.on[static_cast<size_t>(layer)] = 1;
        }
    }
    // Whether silk-screen and mask files are wanted is the person's choice, not the board's.
    if (const auto& chosen = g_boardSettings.gerberSilkMask)
        std::copy(chosen->begin(), chosen->end(), g_gerberLayers.on.begin() + kGerberSilkMaskFirstLayer);
    for (int layer = 0; layer <= 31; ++layer) {
        if (g_gerberLayers.on[static_cast<size_t>(layer)] != 0)
            CheckDlgButton(tly::kIdcLayerCheckFirst + static_cast<unsigned>(layer), 1);
    }
    CheckDlgButton(tly::kIdcDrillFile, 1);
    return true;
}

void CManufacturingDlg::OnOK()
{
    for (unsigned id = tly::kIdcLayerCheckFirst; id <= tly::kIdcLayerCheckLast; ++id)
        g_gerberLayers.on[id - tly::kIdcLayerCheckFirst] = IsDlgButtonChecked(id);
    m_drill = IsDlgButtonChecked(tly::kIdcDrillFile);
    GerberSilkMask& chosen = g_boardSettings.gerberSilkMask.emplace();
    std::copy_n(g_gerberLayers.on.begin() + kGerberSilkMaskFirstLayer, kGerberSilkMaskLayers, chosen.begin());
    plat::Dialog::OnOK();
}

void CManufacturingDlg::OnClearSettings()
{
    if (plat::MessageBox("Clear all Gerber check boxes?", plat::kMbYesNo) != plat::kIdYes)
        return;
    for (unsigned id = tly::kIdcLayerCheckFirst; id <= tly::kIdcLayerCheckFirst + 29; ++id)
        CheckDlgButton(id, 0);
}
