#pragma once
// The router's setup dialogs: "Batch Router Setup" (146), "Rats Nest Display Setup" (156),
// "Smoothing" (144) and "Necking" (145), and the netlist file browser they share.

#include "platform/app/dialog.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Batch settings beyond the router values of g_router (route_services.h). Lengths in board
// units.
struct BatchRouterExtras {
    std::array<int32_t, 6> power{};     // VCC, Ground, Power 1 to Power 4
    int32_t clearance = 100;
    int32_t clearanceCopy = 10;         // as typed
    int32_t memoryRouter = 0;
    int32_t bevels = 0;
    std::string baseName;               // the board's base name for the strategy file
};
extern BatchRouterExtras g_batchExtras;

inline constexpr std::string_view kViaSizeQuestion = "Warning!---Via size(%1) exceeds grid size.\nProceed?";
inline constexpr std::string_view kClearanceWarning = "Warning!---Insufficient clearance.\nChange trace width and/or via size.";

// The batch grid pitch (board units) of grid 702, 703 or 704.
int32_t BatchGridPitch(int32_t gridCommand);
// The active board's path without anything from '#' on and without its extension.
std::string BoardBaseName(std::string_view path);

// Asks for a netlist file (filter string 812); the chosen path, empty when cancelled.
std::string BrowseForFile(unsigned filterId);

class CBatchRouterSetupDlg : public plat::Dialog {
public:
    explicit CBatchRouterSetupDlg(plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(unsigned id) override;
private:
    void setGrid(unsigned id);
    int32_t pitch_ = 500;
};

class CRatsNestSetupDlg : public plat::Dialog {
public:
    CRatsNestSetupDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(unsigned id) override;
};

class CSmoothingDlg : public plat::Dialog {
public:
    CSmoothingDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

class CNeckingDlg : public plat::Dialog {
public:
    CNeckingDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

// Runs CSmoothingDlg; true for OK.
bool RunSmoothingDialog();
