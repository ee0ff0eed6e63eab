#pragma once
// Process-wide tables of one netlister run, one struct per concern. GenerateNetlist resets them
// at its start and frees them at its end; the directive scan, the tracing, the power-net
// folding and the file writers fill and read them in between. One run at a time, on the
// user-interface thread.

#include <array>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// What a run writes: 0 a netlist (".net" with the basic-format flag, else ".ntp"), 1 a
// digital-simulation circuit (".ckt" and ".dev"), 2 a SPICE deck (".cir" and ".dev").
enum NetlistKind : int { kNetlistPlain = 0, kNetlistDigital = 1, kNetlistSpice = 2 };

// Range buttons of the Netlist Utility dialog.
inline constexpr int kRangeThisSheet = 1095;
inline constexpr int kRangeAllSheets = 1096;

// Capacities of one run.
inline constexpr int kMaxNets = 1998;
inline constexpr int kMaxReferences = 498;
inline constexpr int kPackageSlots = 500;
inline constexpr int kMaxPowerNets = 20;
inline constexpr int kMaxModels = 10;
inline constexpr int kMaxSubcircuits = 10;
inline constexpr int kTraceStackEntries = 56;
inline constexpr int kMaxNodeListChars = 388;
inline constexpr int kMaxWrittenPinListChars = 1990;
inline constexpr int kPowerNetStartChars = 2000;
inline constexpr int kMaxPowerNetChars = 10000;
inline constexpr int kProbeSlots = 16;
inline constexpr int kPinNameSlots = 500;
inline constexpr int kMaxSupplyNameChars = 20;
inline constexpr int kAmmeterMark = 9999;
// The drawing's last object slot a default net name may take.
inline constexpr int kMaxRunObjectCount = 7998;

// String-table ids of the messages the netlister shows by number.
inline constexpr int kStrTooManyModels = 120;
inline constexpr int kStrTooManyNets = 121;
inline constexpr int kStrOutOfNetlistMemory = 122;
inline constexpr int kStrNoSpiceLibrary = 123;
inline constexpr int kStrCantOpenOutput = 124;
inline constexpr int kStrAnotherAnalysis = 130;

// One entry of the net table: a signal net (kind 0) or a device (kinds 1 and 2). pins is one
// string of entries each followed by "," (nets), or the device's node list (devices).
struct NetEntry {
    std::string name;
    std::string pins;
    std::string recorded;     // devices: library part name and delay ("%s %s")
    std::string model;        // devices: the model name of the part text (after ":", up to "!")
};

struct ProbeEntry {
    std::string name;
    int mark = 0;             // 0 a net probe, kAmmeterMark an ammeter
};

// The nets, probes and models of the run.
struct NetlistTables {
    std::vector<NetEntry> nets;                       // nets 1..N at [0..N-1]
    int signalCount = 0;                              // signal nets still to be written
    std::unordered_map<std::string, int> netByName;   // kind 0: name -> position in nets
    std::unordered_set<std::string> pinLabels;        // every label standing in some pin list
    std::vector<ProbeEntry> probes;
    std::vector<std::string> models;                  // names whose ".MODEL" card is wanted
    int referenceCount = 0;
    int designatorMessages = 0;                       // messages of CheckDesignators shown
    int polyCounter = 0;                              // numbers the converted POLY sources
};
extern NetlistTables g_netTables;

// Analysis codes of the directive texts.
enum SpiceAnalysis : int {
    kAnalysisNone = 0, kAnalysisAc = 1, kAnalysisTransient = 2, kAnalysisDcSweep = 3,
    kAnalysisOperatingPoint = 4, kAnalysisNoise = 5, kAnalysisPoleZero = 6,
    kAnalysisTransferFunction = 7, kAnalysisDistortion = 8,
};

// What the directive texts of the drawing ask of the deck or circuit.
struct DeckLists {
    int analysis = kAnalysisNone;
    std::vector<std::string> deviceLines;     // directive texts without their "#"
    std::vector<std::string> libraryLines;    // "#.LIB" texts without their "#"
    std::string includeFile;
    std::vector<std::string> givenModels;     // models a "#.MODEL" text gives
    std::vector<std::pair<std::string, std::string>> delays;   // part name, delay
    std::string globalDelay;
    bool timeGiven = false;
    double transientStep = 0.0;
    double transientStop = 0.0;
};
extern DeckLists g_deckLists;

// Empties every table of a run.
void ResetNetlistTables();
