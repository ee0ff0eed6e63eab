#pragma once
// The design name of the netlister: the file name that the Netlist Utility dialog was given
// (or the active drawing's path for the simulation runs). The netlist and simulation files
// are named after it. Set by the dialog and the run prompts, read by the netlist writers.

#include <string>

struct DesignName {
    std::string text;
};
extern DesignName g_designName;
