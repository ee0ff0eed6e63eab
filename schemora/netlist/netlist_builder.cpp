// The netlister's run: designator check, snapshot of the drawing, directive scan, the walk over
// the placed parts with their pins, the power-net folding, the files, and the restore.
#include "schemora/netlist/netlist_builder.h"

#include "common/string_helpers.h"
#include "platform/core/ui_host.h"
#include "platform/system/paths.h"
#include "schemora/core/current_document.h"
#include "schemora/core/design_name.h"
#include "schemora/core/part_type_reload.h"
#include "schemora/netlist/netlist_parts.h"
#include "schemora/netlist/netlist_text.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

using netlist::Format;

namespace {

// Drawing units to inches for the position in messages.
constexpr double kInchesPerUnit = 0.0018518518;
constexpr int kShownDesignatorMessages = 4;
constexpr int kDefaultNodeBase = 100;

const PartSymbol* symbolOf(const DrawObject& o)
{
    const int s = o.symbolIndex();
    return (s >= 1 && s <= g_partSymbols.count) ? &g_partSymbols.entries[s] : nullptr;
}

// The model or value after the ":" of a part text (one "\" after the ":" skipped), up to "!".
std::string modelOf(std::string_view text)
{
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return {};
    std::string_view rest = text.substr(colon + 1);
    if (!rest.empty() && rest.front() == '\\')
        rest.remove_prefix(1);
    return std::string(rest.substr(0, rest.find('!')));
}

std::string afterLastBackslash(std::string_view text)
{
    const size_t slash = text.rfind('\\');
    return std::string(slash == std::string_view::npos ? text : text.substr(slash + 1));
}

bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }

// A resistor's, capacitor's or inductor's value written as parts are marked, with its scale
// letter for the decimal point ("4K7", "2R2", "1M5", "2U2"), is written as SPICE reads it ("4.7K",
// "2.2", "1.5MEG", "2.2U"): SPICE would read "4K7" as 4K, and "M" as milli. Any other value stays.
std::string spiceValueOfCode(std::string_view partText, const std::string& value)
{
    const char first = partText.empty() ? '\0' : partText[0];
    if (std::string_view("RCL").find(first) == std::string_view::npos || IsLedDesignator(partText))
        return value;
    const size_t letter = value.find_first_not_of("0123456789");
    if (letter == 0 || letter == std::string::npos || letter + 1 >= value.size()
        || value.find_first_not_of("0123456789", letter + 1) != std::string::npos)
        return value;
    const char scale = static_cast<char>(std::toupper(static_cast<unsigned char>(value[letter])));
    static constexpr std::string_view kLetters = "RKMGPNU";
    if (kLetters.find(scale) == std::string_view::npos)
        return value;
    const std::string suffix = scale == 'R' ? "" : scale == 'M' ? "MEG" : std::string(1, scale);
    return value.substr(0, letter) + "." + value.substr(letter + 1) + suffix;
}

// A resistor, capacitor, inductor or source placed from a generic symbol ("R", "VSRC", "FUNGEN"
// with no waveform set) carries the symbol's name where SPICE wants a value: that name is no
// value, and the deck leaves it out, so that a "#&" text gives the value and a source without
// one is SPICE's zero-volt source. A value part ("10K", "PULSE") keeps its name.
bool namesNoValue(std::string_view partText, std::string_view deckName, const PartSymbol& symbol)
{
    static constexpr std::string_view kSourceWords[] = {"DC", "AC", "PULSE", "SIN", "SINE", "PWL", "SFFM", "EXP", "AM"};
    const char first = partText.empty() ? '\0' : partText[0];
    if (std::string_view("RCLVI").find(first) == std::string_view::npos || deckName.empty() || IsLedDesignator(partText))
        return false;
    if ((deckName[0] >= '0' && deckName[0] <= '9') || deckName[0] == '.')
        return false;
    const std::string name = netlist::Upper(deckName);
    if (name != netlist::Upper(afterLastBackslash(symbol.name)))
        return false;
    return std::find(std::begin(kSourceWords), std::end(kSourceWords), name) == std::end(kSourceWords);
}

// SPICE knows ground only as node 0: the net a ground symbol names (and the other name the
// netlist folds into the ground net) is written as 0 in a deck.
std::string spiceNode(const std::string& name)
{
    const std::string upper = netlist::Upper(name);
    return upper == "GND" || upper == "GROUND" ? std::string("0") : name;
}

}  // namespace

// The first four words and the kind word of every object, and a copy of every part's text.
struct CNetlistBuilder::Snapshot {
    struct Saved {
        std::array<int32_t, 5> words{};
        char* text = nullptr;
        bool part = false;
    };
    std::vector<Saved> objects;   // objects 1..n at [0..n-1]
    int count = 0;
    bool taken = false;

    void take()
    {
        taken = true;
        count = g_current.count;
        objects.resize(static_cast<size_t>(count));
        for (int i = 1; i <= count; ++i) {
            const DrawObject& o = g_current.at(i);
            Saved& s = objects[static_cast<size_t>(i - 1)];
            std::copy_n(o.w.begin(), 5, s.words.begin());
            s.part = o.isPart();
            if (s.part)
                s.text = StrDupChecked(o.text ? o.text : "");
        }
    }

    // Deletes what the run added and puts every object back.
    void restore()
    {
        if (!taken)
            return;
        taken = false;
        for (int i = count + 1; i <= g_current.count; ++i) {
            ReleaseObjectData(g_current.at(i));
            g_current.at(i) = DrawObject{};
        }
        g_current.count = count;
        for (int i = 1; i <= count; ++i) {
            DrawObject& o = g_current.at(i);
            Saved& s = objects[static_cast<size_t>(i - 1)];
            std::copy_n(s.words.begin(), 5, o.w.begin());
            if (s.part) {
                FreeStr(o.text);
                o.text = s.text;
                s.text = nullptr;
            }
        }
        objects.clear();
    }

    ~Snapshot()
    {
        for (Saved& s : objects)
            FreeStr(s.text);
    }
};

CNetlistBuilder::CNetlistBuilder() = default;
CNetlistBuilder::~CNetlistBuilder() = default;

void CNetlistBuilder::resetRun()
{
    ResetNetlistTables();
    m_defaultCounter = 0;
    m_packages.fill(std::string());
    m_powerNets.clear();
    m_references.clear();
    m_subcircuits.clear();
    m_deviceByName.clear();
    m_longNameShown = false;
    m_defaultNames.clear();
    m_pinCounts.assign(static_cast<size_t>(2 * kPartSymbolSlots), -1);
}

bool CNetlistBuilder::showDesignatorMessage(const std::string& text)
{
    if (g_netTables.designatorMessages++ < kShownDesignatorMessages)
        plat::MessageBox(text);
    return true;
}

int CNetlistBuilder::CheckDesignators()
{
    // The check runs before the tables are reset, so the count of shown messages starts here.
    g_netTables.designatorMessages = 0;
    std::unordered_set<std::string> seen;
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& o = g_current.at(i);
        const PartSymbol* symbol = o.isPart() ? symbolOf(o) : nullptr;
        if (!symbol || PartText(o).empty() || symbol->w[15] == 1)
            continue;
        if (o.w[6] == 0) {
            showDesignatorMessage(Format("Part at x=%.1f, y=%.1f has zero reference designator",
                                         o.w[0] * kInchesPerUnit, o.w[1] * kInchesPerUnit));
            continue;
        }
        const std::string designator = DesignatorPrefix(PartText(o)) + std::to_string(o.w[6]);
        if (!seen.insert(designator + '\n' + std::to_string(PartSection(o))).second) {
            // The message that ends the run is shown even past the limit: a run must not stop
            // without saying why.
            plat::MessageBox(Format("Error----duplicate designator (%s)", designator.c_str()));
            return 0;
        }
    }
    return 1;
}

void CNetlistBuilder::BuildOutputNames()
{
    static const char* const kExtensions[] = {".ntp", ".ckt", ".cir"};
    const std::string& design = g_designName.text;
    const char* ext = m_kind == kNetlistPlain && m_basicFormat ? ".net" : kExtensions[std::clamp(m_kind, 0, 2)];
    m_outputPath = plat::replaceExtension(design, ext);
    m_refPath = plat::replaceExtension(design, ".ref");
    m_devPath = plat::replaceExtension(m_outputPath, ".dev");
}

int CNetlistBuilder::partPinCount(int symbol, bool surfaceMount)
{
    const size_t slot = static_cast<size_t>(2 * symbol + (surfaceMount ? 1 : 0));
    if (slot >= m_pinCounts.size())
        return 0;
    if (m_pinCounts[slot] < 0)
        m_pinCounts[slot] = PartPinCount(symbol, surfaceMount);
    return m_pinCounts[slot];
}

std::string CNetlistBuilder::pinLabel(const std::string& designator, const NetlistPin& pin) const
{
    std::string label = designator + "-";
    if (m_kind == kNetlistPlain && !m_basicFormat && pin.typeLetter)
        label += pin.typeLetter;
    return label + pin.designation;
}

std::string CNetlistBuilder::delayOf(const std::string& partName, const std::string& designator) const
{
    if (m_kind != kNetlistDigital)
        return {};
    const std::string part = netlist::Upper(afterLastBackslash(partName));
    for (const auto& [name, delay] : g_deckLists.delays)
        if (netlist::Upper(name) == part || netlist::Upper(name) == netlist::Upper(designator))
            return delay;
    return g_deckLists.globalDelay.empty() ? std::string("0") : g_deckLists.globalDelay;
}

int CNetlistBuilder::addToNet(const std::string& name, const std::string& label)
{
    if (g_netTables.pinLabels.count(label))
        return 1;
    const auto found = g_netTables.netByName.find(name);
    if (found != g_netTables.netByName.end()) {
        g_netTables.nets[static_cast<size_t>(found->second)].pins += label + ",";
    } else {
        if (static_cast<int>(g_netTables.nets.size()) >= kMaxNets) {
            plat::MessageBox("Too many nets");
            return 0;
        }
        g_netTables.netByName.emplace(name, static_cast<int>(g_netTables.nets.size()));
        g_netTables.nets.push_back({name, label + ",", {}, {}});
    }
    g_netTables.pinLabels.insert(label);
    return 1;
}

int CNetlistBuilder::NamePinNet(const DrawObject& part, int index, const NetlistPin& pin, const std::string& designator)
{
    const std::string label = pinLabel(designator, pin);
    if (m_kind == kNetlistPlain && g_netTables.pinLabels.count(label))
        return 1;
    const TraceResult traced = m_tracer.trace({pin.x1, pin.y1, pin.x2, pin.y2}, index);
    if (traced.stackFull) {
        plat::MessageBox(Format("Net error--check schematic near pin %s for error", label.c_str()));
        return 0;
    }
    std::string name = traced.name;
    if (!traced.found) {
        name = m_kind == kNetlistSpice ? std::to_string(m_defaultCounter + kDefaultNodeBase)
                                       : Format("def%d", m_defaultCounter);
        ++m_defaultCounter;
        m_defaultNames.insert(name);
        if (g_current.count + 1 > kMaxRunObjectCount) {
            plat::MessageBox("Exceeding schematic space");
        } else {
            std::array<int32_t, kDrawObjectWords> w{};
            w[0] = pin.x1;
            w[1] = pin.y1;
            w[4] = kObjText;
            w[23] = part.sheet();
            const int added = ++g_current.count;
            g_current.at(added) = MakeDrawObject(w, name.c_str());
            m_tracer.addName(added, pin.x1, pin.y1, name);
        }
    }
    name = netlist::TrimmedRight(name);
    if (m_kind != kNetlistPlain) {
        const size_t star = name.find('*');
        if (star != std::string::npos) {
            name.resize(star);
            const bool listed = std::any_of(g_netTables.probes.begin(), g_netTables.probes.end(),
                                            [&](const ProbeEntry& p) { return p.name == name; });
            if (!listed && static_cast<int>(g_netTables.probes.size()) < kProbeSlots)
                g_netTables.probes.push_back({name, 0});
        }
        if (pin.number >= 1 && pin.number < kPinNameSlots)
            m_pinNames[static_cast<size_t>(pin.number)] = name;
        return 1;
    }
    if (!addToNet(name, label))
        return 0;
    for (const TouchingPin& other : traced.touchingPins)
        if (!addToNet(name, other.label))
            return 0;
    return 1;
}

int CNetlistBuilder::addDevice(const DrawObject& part, const std::string& designator, const std::string& model,
                               const std::string& modelName)
{
    const int symbol = part.symbolIndex();
    const int pins = std::min(partPinCount(symbol, IsSurfaceMount(part)), kPinNameSlots - 1);
    NetEntry* entry = nullptr;
    if (const auto found = m_deviceByName.find(designator); found != m_deviceByName.end()) {
        entry = &g_netTables.nets[static_cast<size_t>(found->second)];
        const std::vector<std::string> nodes = netlist::SplitWords(entry->pins);
        for (int n = 1; n <= pins && n <= static_cast<int>(nodes.size()); ++n) {
            const std::string& node = nodes[static_cast<size_t>(n - 1)];
            if (node != "nc" && node != "0" && m_pinNames[static_cast<size_t>(n)].empty())
                m_pinNames[static_cast<size_t>(n)] = node;
        }
    } else {
        if (static_cast<int>(g_netTables.nets.size()) >= kMaxNets) {
            plat::MessageBox("Error--too many nets in schematic");
            return 0;
        }
        m_deviceByName.emplace(designator, static_cast<int>(g_netTables.nets.size()));
        g_netTables.nets.push_back({designator, {}, {}, {}});
        entry = &g_netTables.nets.back();
        if (designator[0] == 'U' || designator[0] == 'R') {
            const std::string& library = g_partSymbols.entries[symbol].name;
            entry->recorded = library + " " + delayOf(library, designator);
        }
    }
    std::string list;
    for (int n = 1; n <= pins; ++n) {
        const std::string& name = m_pinNames[static_cast<size_t>(n)];
        std::string node = !name.empty() ? name : (m_kind == kNetlistSpice ? "0" : "nc");
        if (m_kind == kNetlistSpice)
            node = spiceNode(node);
        if (static_cast<int>(list.size() + node.size()) + 1 > kMaxNodeListChars) {
            plat::MessageBox(Format("Too many pins in part %s", designator.c_str()));
            break;
        }
        list += node + " ";
    }
    // Without a value a deck line ends at its last node, so that an appended text follows it
    // after one blank.
    if (m_kind == kNetlistSpice && model.empty() && !list.empty())
        list.pop_back();
    entry->pins = list + model;
    entry->model = modelName;
    return 1;
}

int CNetlistBuilder::processPart(int index)
{
    DrawObject& o = g_current.at(index);
    if (!o.isPart() || o.sheet() != m_sheet)
        return 1;
    const PartSymbol* symbol = symbolOf(o);
    if (!symbol) {
        plat::MessageBox(Format("Netlisting terminated--can't find part:%s", std::string(PartText(o)).c_str()));
        return 0;
    }
    const std::string library = symbol->name;
    // Ground and supply symbols only name the net they stand on.
    if (netlist::Contains(library, "GND") || !SupplySymbolNet(*symbol).empty())
        return 1;
    // A pattern generator drives only the digital circuit: to SPICE its "G" would be a
    // controlled current source.
    if (m_kind == kNetlistSpice && (IsConnectorPart(library) || netlist::Contains(library, "PATGEN")))
        return 1;
    if (m_kind != kNetlistPlain)
        MapSpecialDevice(index, false);
    const std::string text(PartText(o));
    std::string model;
    const bool takesModel = m_kind == kNetlistSpice || (m_kind == kNetlistDigital && netlist::StartsWith(text, "G"));
    if (takesModel && netlist::Contains(text, ":")) {
        model = modelOf(text);
        if (m_kind == kNetlistSpice) {
            // The device line names the model without its library folder, so the model list
            // must hold that same name: a "#.MODEL" text or SEMICON.MOD is matched against it.
            // A subcircuit keeps its library, which says which model file to copy it from.
            const std::string deckName = afterLastBackslash(model);
            AddSpiceModel(text, text[0] == 'X' ? model : deckName);
            model = namesNoValue(text, deckName, *symbol) ? std::string() : spiceValueOfCode(text, deckName);
        }
    }
    std::string designator = DesignatorPrefix(text) + std::to_string(o.w[6]);
    const bool smd = IsSurfaceMount(o);
    m_pinNames.fill(std::string());
    int gates = 1;
    const std::vector<NetlistPin> pins = PlacedPartPins(o, &gates);
    if (netlist::StartsWith(designator, "U") && !CollectPowerNets(designator, o.symbolIndex(), smd))
        return 0;
    if (!text.empty() && isCapital(text[0])) {
        const std::string recorded = (m_kind != kNetlistPlain && (text[0] == 'U' || text[0] == 'R'))
                                         ? library + " " + delayOf(library, designator)
                                         : Format("%s %d", library.c_str(), gates);
        int slot = 0;
        bool again = false;
        if (!AddRefNumber(designator, recorded, smd, gates, &slot, &again))
            return 0;
        if (!again && !assignPackage(designator, text, *symbol, smd, slot))
            return 0;
    }
    if (m_kind == kNetlistSpice && netlist::StartsWith(designator, "U")) {
        designator = Format("xu%d", o.w[6]);
        if (std::find(m_subcircuits.begin(), m_subcircuits.end(), library) == m_subcircuits.end()) {
            if (static_cast<int>(m_subcircuits.size()) >= kMaxSubcircuits)
                plat::MessageBox("Too many models");
            else
                m_subcircuits.push_back(library);
        }
    }
    for (const NetlistPin& pin : pins)
        if (!NamePinNet(o, index, pin, designator))
            return 0;
    if (m_kind != kNetlistPlain)
        return addDevice(o, designator, model, modelOf(text));
    return 1;
}

int CNetlistBuilder::buildNets(Snapshot& snapshot)
{
    if (g_current.objects.empty())
        return 0;
    if (!CheckDesignators())
        return 0;
    resetRun();
    snapshot.take();
    BuildOutputNames();
    if (!WriteSpiceDirectives())
        return 0;
    if (m_range == kRangeThisSheet) {
        m_firstSheet = m_lastSheet = m_currentSheet;
    } else {
        m_firstSheet = 1;
        m_lastSheet = std::max(1, m_sheetCount);
    }
    if (m_kind != kNetlistPlain)
        for (int i = 1; i <= g_current.count; ++i)
            if (g_current.at(i).isPart() && g_current.at(i).sheet() >= m_firstSheet && g_current.at(i).sheet() <= m_lastSheet)
                MapSpecialDevice(i, true);
    for (m_sheet = m_firstSheet; m_sheet <= m_lastSheet; ++m_sheet) {
        m_tracer = NetTracer();
        NetTracer::PinLabeler labeler;
        if (m_kind == kNetlistPlain)
            labeler = [this](const DrawObject& part, const NetlistPin& pin) {
                return pinLabel(DesignatorPrefix(PartText(part)) + std::to_string(part.w[6]), pin);
            };
        m_tracer.build(m_sheet, labeler);
        for (int i = 1; i <= snapshot.count; ++i)
            if (!processPart(i))
                return 0;
    }
    g_netTables.signalCount = static_cast<int>(g_netTables.nets.size());
    // Only a netlist has signal nets to fold: in the simulator kinds the table holds devices,
    // and a source named V1 must not vanish into a power net of that name.
    if (m_kind == kNetlistPlain) {
        CheckSignalNames("GND", "G");
        CheckSignalNames("GROUND", "G");
        CheckSignalNames("VCC", "V");
        CheckSignalNames("V+", "V+");
        CheckSignalNames("V-", "V-");
        for (PowerNet& net : m_powerNets)
            if (netlist::Upper(net.name) == "V-")
                net.name = "v*";
        for (int n = 1; n <= 5; ++n)
            CheckSignalNames(Format("V%d", n), Format("V%d", n));
    }
    return 1;
}

int CNetlistBuilder::GenerateNetlist()
{
    // A part rebuilt into its library since the drawing read it netlists as it now is.
    ReloadChangedPartTypes();
    Snapshot snapshot;
    const int built = buildNets(snapshot);
    // The default net names go before the files are written; every changed object comes back.
    snapshot.restore();
    if (!built) {
        m_tracer = NetTracer();
        return 0;
    }
    const int written = WriteNetlistFile();
    m_tracer = NetTracer();
    return written;
}

int CNetlistBuilder::traceNets()
{
    Snapshot snapshot;
    const int built = buildNets(snapshot);
    snapshot.restore();
    m_tracer = NetTracer();
    return built;
}
