// Simulation settings kept in the drawing as texts beginning "#.": collected for the deck or
// the circuit, analysis directives rewritten with computed steps, supplies turned into pulses.
#include "schemora/netlist/spice_directives.h"

#include "common/rounding.h"
#include "common/string_helpers.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "schemora/core/current_document.h"
#include "schemora/netlist/netlist_builder.h"
#include "schemora/netlist/netlist_parts.h"
#include "schemora/netlist/netlist_text.h"
#include "schemora/netlist/spice_values.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

using netlist::Format;
using netlist::StartsWith;

AnalysisDirectives g_analysisDirectives;

namespace {

constexpr int kNearReach = 18;

struct AnalysisWord {
    std::string_view directive;
    int analysis;
    bool needsSweep;   // the directive counts only when it names its sweep
};
constexpr std::array<AnalysisWord, 8> kAnalysisWords{{
    {"#.AC", kAnalysisAc, true},
    {"#.DISTO", kAnalysisDistortion, true},
    {"#.PZ", kAnalysisPoleZero, false},
    {"#.TF", kAnalysisTransferFunction, false},
    {"#.NOISE", kAnalysisNoise, true},
    {"#.DC", kAnalysisDcSweep, false},
    {"#.TRAN", kAnalysisTransient, false},
    {"#.OP", kAnalysisOperatingPoint, false},
}};

// The analysis a directive's first word chooses, or 0.
int analysisOf(std::string_view first, bool swept)
{
    for (const AnalysisWord& word : kAnalysisWords)
        if (first == word.directive)
            return word.needsSweep && !swept ? 0 : word.analysis;
    return 0;
}

bool isVertical(const DrawObject& o) { return std::abs(o.w[0] - o.w[2]) <= kNearReach; }
bool isHorizontal(const DrawObject& o) { return std::abs(o.w[1] - o.w[3]) <= kNearReach; }

bool passesNear(const DrawObject& line, int x, int y)
{
    return x >= std::min(line.w[0], line.w[2]) - kNearReach && x <= std::max(line.w[0], line.w[2]) + kNearReach
           && y >= std::min(line.w[1], line.w[3]) - kNearReach && y <= std::max(line.w[1], line.w[3]) + kNearReach;
}

// Stretches keep over the span of gone along the line's own direction and deletes gone.
void mergeInto(DrawObject& keep, DrawObject& gone, bool vertical)
{
    const int a = vertical ? 1 : 0;
    const int lo = std::min({keep.w[a], keep.w[a + 2], gone.w[a], gone.w[a + 2]});
    const int hi = std::max({keep.w[a], keep.w[a + 2], gone.w[a], gone.w[a + 2]});
    const bool forward = keep.w[a] <= keep.w[a + 2];
    keep.w[a] = forward ? lo : hi;
    keep.w[a + 2] = forward ? hi : lo;
    gone.setType(kObjDeleted);
}

// Wires shorter than the touch distance go; collinear wires meeting at a junction dot become one.
void cleanUpWires()
{
    const int count = g_current.count;
    std::vector<int> lines;
    for (int i = 1; i <= count; ++i) {
        DrawObject& o = g_current.at(i);
        if (o.type() != kObjLine)
            continue;
        if (std::abs(o.w[0] - o.w[2]) <= kNearReach && std::abs(o.w[1] - o.w[3]) <= kNearReach)
            o.setType(kObjDeleted);
        else
            lines.push_back(i);
    }
    for (int d = 1; d <= count; ++d) {
        const DrawObject& dot = g_current.at(d);
        if (dot.type() != kObjDot)
            continue;
        int vertical = 0, horizontal = 0;
        for (int i : lines) {
            DrawObject& line = g_current.at(i);
            if (line.type() != kObjLine || line.sheet() != dot.sheet() || !passesNear(line, dot.w[0], dot.w[1]))
                continue;
            int& first = isVertical(line) ? vertical : horizontal;
            if (!isVertical(line) && !isHorizontal(line))
                continue;
            if (first == 0)
                first = i;
            else
                mergeInto(g_current.at(first), line, isVertical(line));
        }
    }
}

bool isNumber(const std::string& word)
{
    char* end = nullptr;
    std::strtod(word.c_str(), &end);
    return !word.empty() && end && *end == '\0';
}

void takeDelay(std::string_view text)
{
    const std::vector<std::string> words = netlist::SplitWords(text.substr(std::min<size_t>(text.size(), 8)));
    if (words.empty())
        return;
    const std::string value = words.size() > 1 ? words[1] : std::string();
    if (StartsWith(words[0], "ALL")) {
        g_deckLists.globalDelay = value;
        return;
    }
    if (words.size() >= 4 && isNumber(words[1]) && isNumber(words[2]) && isNumber(words[3])) {
        const double product = std::strtod(words[1].c_str(), nullptr) * std::strtod(words[2].c_str(), nullptr)
                               * std::strtod(words[3].c_str(), nullptr);
        g_deckLists.delays.emplace_back(words[0], Format("%d", RoundHalfTowardZero(product)));
        return;
    }
    g_deckLists.delays.emplace_back(words[0], value);
}

void selectAnalysis(int analysis)
{
    if (g_deckLists.analysis != kAnalysisNone) {
        plat::MessageBox("Error: another type of analysis already selected");
        return;
    }
    g_deckLists.analysis = analysis;
}

// Examines one directive text (already in capitals); rewrites analysis directives in place.
void takeDirective(DrawObject& o)
{
    std::string text(o.text);
    struct Analysis {
        const char* word;
        int code;
        bool rewrite;
    };
    static const Analysis kAnalyses[] = {
        {"#.AC", kAnalysisAc, true}, {"#.DC", kAnalysisDcSweep, true}, {"#.TRAN", kAnalysisTransient, true},
        {"#.NOISE", kAnalysisNoise, false}, {"#.DISTO", kAnalysisDistortion, false}, {"#.PZ", kAnalysisPoleZero, false},
    };
    for (const Analysis& a : kAnalyses) {
        if (!StartsWith(text, a.word))
            continue;
        selectAnalysis(a.code);
        if (a.rewrite) {
            text = NormalizeDirective(text, a.code);
            ReplaceObjectText(o, text);
        }
        g_deckLists.deviceLines.push_back(text.substr(1));
        return;
    }
    if (StartsWith(text, "#.OP") && !StartsWith(text, "#.OPTIONS")) {
        g_deckLists.analysis = kAnalysisOperatingPoint;
    } else if (StartsWith(text, "#.INCLUDE")) {
        g_deckLists.includeFile = text.size() > 10 ? text.substr(10) : std::string();
        plat::MessageBeep();
        return;
    } else if (StartsWith(text, "#.MODEL")) {
        const std::vector<std::string> words = netlist::SplitWords(text);
        if (words.size() > 1)
            g_deckLists.givenModels.push_back(words[1]);
    } else if (StartsWith(text, "#.TIME")) {
        g_deckLists.timeGiven = true;
    } else if (StartsWith(text, "#.DELAY")) {
        std::replace(o.text, o.text + text.size(), ':', '|');
        takeDelay(o.text);
        return;
    } else if (StartsWith(text, "#.LIB")) {
        g_deckLists.libraryLines.push_back(text.substr(1));
        return;
    }
    g_deckLists.deviceLines.push_back(text.substr(1));
}

// A supply part pulses from 0 to its voltage in one step and stays on for the whole run.
void pulseSupplies()
{
    const std::string step = FormatSpiceValue(g_deckLists.transientStep, SpiceForm::Time);
    const std::string stop = FormatSpiceValue(g_deckLists.transientStop, SpiceForm::Time);
    for (int i = 1; i <= g_current.count; ++i) {
        DrawObject& o = g_current.at(i);
        const int s = o.symbolIndex();
        if (!o.isPart() || s < 1 || s > g_partSymbols.count
            || !netlist::Contains(g_partSymbols.entries[s].name, "SPICE\\PWRSUPLY"))
            continue;
        const std::string_view text = PartText(o);
        const size_t colon = text.find(':');
        std::string_view volts = colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
        if (!volts.empty() && volts.front() == '\\')
            volts.remove_prefix(1);
        ReplaceObjectText(o, Format("V:PULSE 0 %s 0 %s %s %s %s", std::string(volts).c_str(), step.c_str(), step.c_str(),
                              stop.c_str(), stop.c_str()));
    }
}

}  // namespace

int CNetlistBuilder::WriteSpiceDirectives()
{
    cleanUpWires();
    if (m_kind == kNetlistPlain)
        return 1;
    for (int i = 1; i <= g_current.count; ++i) {
        DrawObject& o = g_current.at(i);
        if (o.type() != kObjText || !o.text || o.text[0] != '#')
            continue;
        for (char* c = o.text; *c; ++c)
            *c = plat::toUpperAscii(*c);
        takeDirective(o);
    }
    if (m_kind == kNetlistSpice && g_deckLists.analysis == kAnalysisTransient)
        pulseSupplies();
    return 1;
}

int CNetlistBuilder::AddSpiceModel(std::string_view partText, const std::string& model)
{
    if (m_kind != kNetlistSpice || partText.empty())
        return 1;
    const char first = partText[0];
    if (first == 'X') {
        if (std::find(m_subcircuits.begin(), m_subcircuits.end(), model) == m_subcircuits.end()
            && static_cast<int>(m_subcircuits.size()) < kMaxSubcircuits)
            m_subcircuits.push_back(model);
        return 1;
    }
    // An LED is written as a diode, so its model is a diode's.
    const bool semiconductor = first == 'Q' || first == 'D' || first == 'J' || first == 'M' || IsLedDesignator(partText);
    if (!semiconductor || StartsWith(partText, "DEV"))
        return 1;
    auto& models = g_netTables.models;
    if (std::find(models.begin(), models.end(), model) != models.end())
        return 1;
    if (static_cast<int>(models.size()) >= kMaxModels) {
        plat::MessageBox("Too many models");
        return 0;
    }
    models.push_back(model);
    return 1;
}

int FindAnalysisDirectives()
{
    g_analysisDirectives = AnalysisDirectives{};
    AnalysisDirectives& found = g_analysisDirectives;
    const int count = g_current.liveCount();
    for (int i = 1; i <= count; ++i) {
        const DrawObject& o = g_current.at(i);
        if (o.type() != kObjText || !o.text)
            continue;
        std::vector<std::string> words = netlist::SplitWords(netlist::Upper(o.text));
        if (words.empty())
            continue;
        for (std::string& w : words)
            w.resize(std::min(w.size(), kAnalysisFieldChars));
        const std::string& first = words[0];
        auto isSweep = [](const std::string& w) { return w == "DEC" || w == "OCT" || w == "LIN"; };
        // An AC sweep names its sweep right after the directive; a noise directive names the
        // output, reference and source first, so any later word may be the sweep.
        const auto sweepAt = first == "#.AC" ? (words.size() > 1 && isSweep(words[1]) ? words.begin() + 1 : words.end())
                                             : std::find_if(words.begin() + 1, words.end(), isSweep);
        const bool swept = sweepAt != words.end();
        const std::string sweep = swept ? *sweepAt : std::string();
        const int analysis = analysisOf(first, swept);
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        if (first == "#.FOUR") {
            found.fourierIndex = i;
            found.fourierFields = rest;
            found.selected = kAnalysisTransient;
            continue;
        }
        if (analysis == 0)
            continue;
        found.selected = analysis;
        found.objectIndex[static_cast<size_t>(analysis)] = i;
        found.fields[static_cast<size_t>(analysis)] = rest;
        if (analysis == kAnalysisAc || analysis == kAnalysisDistortion || analysis == kAnalysisNoise)
            found.sweepButton = sweep == "DEC" ? kSweepDecade : sweep == "OCT" ? kSweepOctave : kSweepLinear;
        if (analysis == kAnalysisTransient)
            found.uic = std::find(rest.begin(), rest.end(), "UIC") != rest.end();
    }
    return found.selected;
}
