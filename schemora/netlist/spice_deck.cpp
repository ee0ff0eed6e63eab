// The SPICE deck (".cir"): appended texts, include file, subcircuits and models copied from the
// model files, the device lines, the directives and the print line.
#include "schemora/netlist/netlist_builder.h"
#include "schemora/netlist/netlist_writers.h"

#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/library_folder.h"
#include "schemora/netlist/netlist_parts.h"
#include "schemora/netlist/netlist_text.h"
#include "schemora/netlist/text_file.h"

#include <algorithm>

using netlist::Format;

namespace {

constexpr size_t kMaxModelLineChars = 399;
constexpr int kMaxAcProbes = 4;
constexpr int kMaxProbes = 8;
constexpr unsigned char kMicroSign = 0xB5;

// "&NAME text": the text goes to the end of the first device whose name contains NAME.
void appendTexts()
{
    for (const std::string& line : g_deckLists.deviceLines) {
        if (line.empty() || line[0] != '&')
            continue;
        const size_t blank = line.find(' ');
        const std::string word = netlist::Lower(line.substr(1, blank == std::string::npos ? std::string::npos : blank - 1));
        const std::string rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
        for (NetEntry& device : g_netTables.nets) {
            if (!netlist::Contains(netlist::Lower(device.name), word))
                continue;
            if (device.pins.size() + rest.size() + 1 > static_cast<size_t>(kMaxPowerNetChars))
                plat::MessageBox("Power net too large");
            else
                device.pins += " " + rest;
            break;
        }
    }
}

void copyInclude(plat::AtomicFile& out)
{
    if (g_deckLists.includeFile.empty())
        return;
    std::vector<std::string> lines;
    if (!ReadTextLines(g_deckLists.includeFile, lines, Format("Include file %s not found", g_deckLists.includeFile.c_str())))
        return;
    for (const std::string& line : lines)
        out.put(line + "\n");
}

// The model files live in the program folder, beside the libraries' folder.
std::string modelFileFor(const std::string& part)
{
    const size_t slash = part.find('\\');
    if (slash == std::string::npos)
        return ProgramFilePath("SPICE.MOD");
    const std::string library = part.substr(0, slash);
    if (netlist::Upper(library) == "GENXX")
        return ProgramFilePath("GENERIC.MOD");
    return ProgramFilePath(library + ".MOD");
}

// True when the card (".MODEL NAME ..." or ".SUBCKT NAME ...") declares the name, compared whole
// and without regard to case as SPICE compares names: "D" must not take the card of 1N4148, nor
// OPAMP the subcircuit OPAMP2.
bool declares(std::string_view card, std::string_view keyword, std::string_view name)
{
    if (!netlist::StartsWithNoCase(card, keyword))
        return false;
    const std::vector<std::string> words = netlist::SplitWords(card.substr(keyword.size()));
    if (words.empty())
        return false;
    const std::string& declared = words.front();
    return netlist::Upper(declared.substr(0, declared.find('('))) == netlist::Upper(name);
}

// A short ".ENDS" line ends a subcircuit, and so does ".ENDS NAME": copying on past it would
// repeat the file's other subcircuits in the deck.
bool endsSubcircuit(const std::string& line)
{
    const std::string upper = netlist::Upper(line);
    return netlist::Contains(upper, ".ENDS") && (line.size() < 7 || netlist::StartsWith(upper, ".ENDS"));
}

void copySubcircuits(plat::AtomicFile& out, const std::vector<std::string>& parts)
{
    for (const std::string& part : parts) {
        const std::string path = modelFileFor(part);
        std::vector<std::string> lines;
        if (!ReadTextLines(path, lines, Format("SPICE model file %s not found", path.c_str())))
            return;
        const size_t slash = part.rfind('\\');
        const std::string name = netlist::Upper(slash == std::string::npos ? part : part.substr(slash + 1));
        bool copying = false;
        for (std::string line : lines) {
            line.resize(std::min(line.size(), kMaxModelLineChars));
            if (!copying && declares(line, ".SUBCKT", name))
                copying = true;
            if (!copying)
                continue;
            if (netlist::Contains(netlist::Upper(line), "POLY"))
                line = ConvertPolySource(line, &g_netTables.polyCounter);
            out.put(line + "\n");
            if (endsSubcircuit(line))
                break;
        }
        if (!copying)
            plat::MessageBox(Format("Error: model not found for %s", part.c_str()));
    }
}

void copyModels(plat::AtomicFile& out)
{
    std::vector<std::string> lines;
    bool loaded = false;
    for (const std::string& model : g_netTables.models) {
        const std::string wanted = netlist::Upper(model);
        const bool given = std::any_of(g_deckLists.givenModels.begin(), g_deckLists.givenModels.end(),
                                       [&](const std::string& m) { return netlist::Upper(m) == wanted; });
        if (given)
            continue;
        if (!loaded) {
            if (!ReadTextLines(ProgramFilePath("SEMICON.MOD"), lines, "No SPICE library"))
                return;
            for (std::string& line : lines)
                line = netlist::Upper(line);
            loaded = true;
        }
        bool found = false;
        for (const std::string& line : lines) {
            if (!found) {
                found = declares(line, ".MODEL", wanted);
                if (found)
                    out.put(line + "\n");
                continue;
            }
            if (!netlist::StartsWith(line, ".MODEL") && !netlist::StartsWith(line, "+"))
                break;
            out.put(line + "\n");
        }
        if (!found)
            plat::MessageBox(Format("Error: model not found for %s", model.c_str()));
    }
}

// The device's name on its deck line: SPICE knows a device by its first letter, and an LED,
// which keeps its "LED" designator for the step replay, is a diode.
std::string deckDeviceName(const std::string& designator)
{
    const std::string name = netlist::Upper(designator);
    return IsLedDesignator(name) ? "D" + name : name;
}

bool isAmmeter(const std::string& name)
{
    return std::any_of(g_netTables.probes.begin(), g_netTables.probes.end(), [&](const ProbeEntry& p) {
        return p.mark == kAmmeterMark && netlist::Upper(p.name) == netlist::Upper(name);
    });
}

void writeDevices(plat::AtomicFile& out, plat::AtomicFile& dev)
{
    for (const NetEntry& device : g_netTables.nets) {
        if (device.name.empty())
            continue;
        std::string nodes = netlist::Lower(device.pins);
        const size_t micro = nodes.rfind(static_cast<char>(kMicroSign));
        if (micro != std::string::npos)
            nodes[micro] = 'U';
        const std::string name = deckDeviceName(device.name);
        if (netlist::StartsWithNoCase(device.name, "dev")) {
            dev.put(name + " " + nodes + "\n");
            continue;
        }
        if (g_deckLists.analysis == kAnalysisOperatingPoint && isAmmeter(device.name))
            dev.put(name + " " + nodes + "\n");
        out.put(name + " ");
        WritePinList(out, nodes, static_cast<int>(name.size()) + 4, kNetlistSpice);
    }
}

void writePrintLine(plat::AtomicFile& out)
{
    const int analysis = g_deckLists.analysis;
    const char* print = nullptr;
    switch (analysis) {
    case kAnalysisTransient: print = ".PRINT TRAN"; break;
    case kAnalysisAc: print = ".PRINT AC"; break;
    case kAnalysisDcSweep: print = ".PRINT DC"; break;
    case kAnalysisNoise: print = ".PRINT NOISE all"; break;
    case kAnalysisDistortion: print = ".PRINT DISTO all"; break;
    case kAnalysisPoleZero: print = ".PRINT PZ all"; break;
    case kAnalysisNone:
        plat::MessageBox("Warning SPICE analysis type not selected!\n(Click on SETUP button in SPICE run dialog.)");
        return;
    default: return;
    }
    out.put(print);
    int written = 0;
    for (const ProbeEntry& probe : g_netTables.probes) {
        if (analysis == kAnalysisAc) {
            if (written == kMaxAcProbes) {
                plat::MessageBox("WARNING! Only four probes allowed in AC analysis");
                break;
            }
            out.put(Format(" VDB(%s) VP(%s)", probe.name.c_str(), probe.name.c_str()));
        } else {
            if (written == kMaxProbes) {
                plat::MessageBox("WARNING! Only four probes allowed");
                break;
            }
            out.put(Format(probe.mark == kAmmeterMark ? " I(%s)" : " V(%s)", probe.name.c_str()));
        }
        ++written;
    }
}

}  // namespace

void WriteSpiceDeck(plat::AtomicFile& out, plat::AtomicFile& dev, CNetlistBuilder& builder)
{
    out.put("*SPICE NET\n");
    appendTexts();
    copyInclude(out);
    copySubcircuits(out, builder.m_subcircuits);
    copyModels(out);
    writeDevices(out, dev);
    for (const std::string& line : g_deckLists.deviceLines)
        if (line.empty() || line[0] != '&')
            out.put(line + "\n");
    writePrintLine(out);
    out.put("\n");
    out.put(".END\n");
}
