#pragma once
// The netlister: turns the current drawing into nets and writes the netlist, the digital
// circuit or the SPICE deck. One run is one CNetlistBuilder made on the stack: the caller sets
// the kind, the format and the range, then calls GenerateNetlist, which works on the current
// drawing (g_current) and the loaded part symbols and puts every object back as it was.

#include "schemora/core/current_document.h"
#include "schemora/netlist/net_tracing.h"
#include "schemora/netlist/netlist_state.h"

#include <array>
#include <unordered_set>
#include <string>
#include <vector>

namespace plat { class AtomicFile; }

// A power net: a supply name and its pin list ("U1-14,U2-14,").
struct PowerNet {
    std::string name;
    std::string pins;
};

// A recorded reference designator with its flag (the part's surface-mount flag), the text
// written with it in the ".ref" file and whether a later gate of its package was met.
struct ReferenceRecord {
    std::string designator;
    uint8_t flag = 0;
    std::string text;
    bool seen = false;
};

class CNetlistBuilder {
public:
    CNetlistBuilder();
    virtual ~CNetlistBuilder();
    CNetlistBuilder(const CNetlistBuilder&) = delete;
    CNetlistBuilder& operator=(const CNetlistBuilder&) = delete;

    // Runs the whole pipeline on the current drawing; 1 when the output was written, 0 when the
    // run stopped on an error (whose message has been shown).
    int GenerateNetlist();

    // Traces every sheet as for a netlist, without writing one, and reports pins that connect to
    // nothing and named nets with a single pin. Returns the number of findings.
    int CheckDesignRules();

    // ---- set by the caller ----
    int m_currentSheet = 1;                 // the sheet "This schematic sheet" means
    int m_sheetCount = 1;                   // the drawing's number of sheets
    int m_range = kRangeAllSheets;          // kRangeThisSheet or kRangeAllSheets
    int m_kind = kNetlistPlain;
    int m_basicFormat = 1;                  // kind 0: 1 ".net", 0 ".ntp" with pin type letters

    // ---- the run ----
    int m_sheet = 0;                        // the sheet being processed
    int m_defaultCounter = 0;               // numbers the default net names
    int m_firstSheet = 1;
    int m_lastSheet = 1;
    std::array<std::string, kPackageSlots> m_packages{};       // by reference slot
    std::vector<PowerNet> m_powerNets;
    std::vector<ReferenceRecord> m_references;                // slots 1.. at [0..]
    std::array<std::string, kPinNameSlots> m_pinNames{};       // net at each pin number
    std::vector<std::string> m_subcircuits;                    // part names to expand
    std::string m_outputPath;
    std::string m_refPath;
    std::string m_devPath;

    // ---- steps (also used by the writers and the design-rule check) ----
    int CheckDesignators();
    int WriteSpiceDirectives();
    // switches: true maps only the switch parts (before the sheets are traced, so that every
    // pin sees the wires they become), false only the other special parts (at their turn, so
    // that probes and subcircuits are recorded in part order).
    void MapSpecialDevice(int index, bool switches);
    int AddSpiceModel(std::string_view partText, const std::string& model);
    int CollectPowerNets(const std::string& designator, int symbol, bool surfaceMount);
    // 0 when the table is full; otherwise 1, with *again set when the designator was recorded
    // before for another gate of its package.
    int AddRefNumber(const std::string& designator, const std::string& text, bool surfaceMount, int gates,
                     int* slot, bool* again);
    int NamePinNet(const DrawObject& part, int index, const NetlistPin& pin, const std::string& designator);
    void CheckSignalNames(std::string_view signal, std::string_view power);
    void BuildOutputNames();
    int WriteNetlistFile();

private:
    struct Snapshot;
    // Steps 1 to 10 of a run; the drawing is restored by the caller.
    int buildNets(Snapshot& snapshot);
    // Builds the nets and puts the drawing back, without writing anything.
    int traceNets();
    int processPart(int index);
    int addDevice(const DrawObject& part, const std::string& designator, const std::string& model,
                  const std::string& modelName);
    int assignPackage(const std::string& designator, std::string_view text, const PartSymbol& symbol, bool surfaceMount,
                      int slot);
    int addToNet(const std::string& name, const std::string& label);
    std::string pinLabel(const std::string& designator, const NetlistPin& pin) const;
    std::string delayOf(const std::string& partName, const std::string& designator) const;
    int partPinCount(int symbol, bool surfaceMount);
    bool showDesignatorMessage(const std::string& text);
    void resetRun();

    NetTracer m_tracer;
    std::vector<int> m_pinCounts;          // by symbol and mounting, -1 until computed
    std::unordered_map<std::string, int> m_deviceByName;
    bool m_longNameShown = false;
    std::unordered_set<std::string> m_defaultNames;   // the default net names of the run
};

// ---- the files ----

// Writes a pin or node list in chunks of about 60 characters: kind 0 separates at "," and
// marks continued lines with "&", continuation lines indented by startColumn blanks; kinds 1
// and 2 separate at blanks and begin continuation lines with "+ ".
void WritePinList(plat::AtomicFile& out, std::string_view list, int startColumn, int kind);

// Looks name up in a net's pin-name list by exact comparison; leaves the index reached in
// g_netPinLookup and returns 1 when found, 0 when not.
struct NetPinLookup {
    int index = 0;
};
extern NetPinLookup g_netPinLookup;
int FindNetPin(const std::vector<std::string>& names, int count, std::string_view name);

// Appends text to a power net's pin list with a "," between them unless the list already ends
// in one; nothing (after "Power net too large") when the list would exceed 10,000 characters.
void AppendPowerNetName(std::string& list, std::string_view text);
// True when list (entries each followed by ",") holds entry as a whole entry.
bool PinListHasEntry(std::string_view list, std::string_view entry);
