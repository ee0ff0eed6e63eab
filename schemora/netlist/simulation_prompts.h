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

// One prompt: Setup... opens the simulator's settings; OK closes the prompt, writes the
// simulator's input through the netlister and, when that succeeded, starts the simulator on it.
class CRunSimulatorDlg : public plat::Dialog {
public:
    void OnOK() override;
    void OnSetup() { openSetup(); }

protected:
    CRunSimulatorDlg(unsigned templateId, int netlistKind);
    virtual void openSetup() = 0;
    virtual void runSimulator(const std::string& input) = 0;

private:
    int netlistKind_;
};

class CRunSpiceDlg : public CRunSimulatorDlg {
public:
    CRunSpiceDlg();

private:
    void openSetup() override;
    void runSimulator(const std::string& deck) override;
};

class CRunDigSimDlg : public CRunSimulatorDlg {
public:
    CRunDigSimDlg();

private:
    void openSetup() override;
    void runSimulator(const std::string& circuit) override;
};

// The command line of a simulator setting with the quoted file appended.
std::string SimulatorCommand(const char* key, const char* fallback, const std::string& file);
