#pragma once
// The Analog Simulation and Digital Simulation prompts: Setup... edits the settings, Yes runs
// the netlister and then the simulator named in the INI file.

#include "platform/app/dialog.h"

#include <string>

// The simulator command lines (INI section "Schemora"): the deck or circuit path is appended.
inline constexpr const char* kAnalogSimulatorKey = "AnalogSimulator";
inline constexpr const char* kDigitalSimulatorKey = "DigitalSimulator";
inline constexpr const char* kDefaultAnalogSimulator = "spicerun";
inline constexpr const char* kDefaultDigitalSimulator = "pulsarim";
// How long the analog run may take before it is given up.
inline constexpr unsigned kAnalogRunLimitMs = 150000;

class CRunSpiceDlg : public plat::Dialog {
public:
    CRunSpiceDlg();
    void OnOK() override;
    void OnSetup();
};

class CRunDigSimDlg : public plat::Dialog {
public:
    CRunDigSimDlg();
    void OnOK() override;
    void OnSetup();
};

// The command line of a simulator setting with the quoted file appended.
std::string SimulatorCommand(const char* key, const char* fallback, const std::string& file);
