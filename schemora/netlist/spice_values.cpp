#include "schemora/netlist/spice_values.h"

#include "schemora/netlist/netlist_state.h"
#include "schemora/netlist/netlist_text.h"

#include <cmath>
#include <cstdlib>
#include <vector>

using netlist::Format;

namespace {

// 400 points or steps over the range of an analysis.
constexpr double kStepsPerRange = 0.0025;
constexpr double kSweepPoints = 400.0;
constexpr int kMaxSourceChars = 10;

std::string wordAt(const std::vector<std::string>& words, size_t i) { return i < words.size() ? words[i] : std::string(); }

std::string normalizeAc(const std::vector<std::string>& words)
{
    const std::string sweep = wordAt(words, 1);
    int kind = 0;
    if (netlist::Contains(sweep, "LIN"))
        kind = 0;
    if (netlist::Contains(sweep, "DEC"))
        kind = 1;
    if (netlist::Contains(sweep, "OCT"))
        kind = 2;
    double points = ParseSpiceValue(wordAt(words, 2), SpiceForm::Frequency);
    const double start = ParseSpiceValue(wordAt(words, 3), SpiceForm::Frequency);
    const double stop = ParseSpiceValue(wordAt(words, 4), SpiceForm::Frequency);
    if (kind == 0) {
        points = kSweepPoints;
    } else {
        const double span = stop - start;
        const double decades = span > 0 ? (kind == 1 ? std::log10(span) : std::log2(span)) : 0.0;
        if (decades > 0)
            points = kSweepPoints / decades;
    }
    static const char* const kSweeps[] = {"LIN", "DEC", "OCT"};
    return Format("#.AC %s %s %s %s", kSweeps[kind], FormatSpiceValue(points, SpiceForm::Frequency).c_str(),
                  FormatSpiceValue(start, SpiceForm::Frequency).c_str(),
                  FormatSpiceValue(stop, SpiceForm::Frequency).c_str());
}

std::string normalizeTransient(const std::vector<std::string>& words)
{
    const double stop = ParseSpiceValue(wordAt(words, 2), SpiceForm::Time);
    const double start = ParseSpiceValue(wordAt(words, 3), SpiceForm::Time);
    const double maxStep = ParseSpiceValue(wordAt(words, 4), SpiceForm::Time);
    const bool uic = words.size() > 5;
    const double step = (stop - start) * kStepsPerRange;
    g_deckLists.transientStep = step;
    g_deckLists.transientStop = stop;
    const std::string s = FormatSpiceValue(step, SpiceForm::Time);
    const std::string e = FormatSpiceValue(stop, SpiceForm::Time);
    const std::string m = FormatSpiceValue(maxStep, SpiceForm::Time);
    const char* tail = uic ? " UIC" : "";
    if (start != 0)
        return Format("#.TRAN %s %s %s %s%s", s.c_str(), e.c_str(), FormatSpiceValue(start, SpiceForm::Time).c_str(),
                      m.c_str(), tail);
    if (maxStep == 0)
        return Format("#.TRAN %s %s", s.c_str(), e.c_str());
    return Format("#.TRAN %s %s 0 %s%s", s.c_str(), e.c_str(), m.c_str(), tail);
}

std::string normalizeDc(const std::vector<std::string>& words)
{
    const std::string source = wordAt(words, 1).substr(0, kMaxSourceChars);
    const double start = ParseSpiceValue(wordAt(words, 2), SpiceForm::Voltage);
    const double stop = ParseSpiceValue(wordAt(words, 3), SpiceForm::Voltage);
    const double step = (stop - start) * kStepsPerRange;
    return Format("#.DC %s %s %s %s", source.c_str(), FormatSpiceValue(start, SpiceForm::Voltage).c_str(),
                  FormatSpiceValue(stop, SpiceForm::Voltage).c_str(),
                  FormatSpiceValue(step, SpiceForm::Voltage).c_str());
}

}  // namespace

double ParseSpiceValue(std::string_view text, SpiceForm form)
{
    const std::string upper = netlist::Upper(text);
    const double value = std::strtod(upper.c_str(), nullptr);
    if (netlist::Contains(upper, "N"))
        return value * 1e-9;
    if (netlist::Contains(upper, "U"))
        return value * 1e-6;
    if (netlist::Contains(upper, "M"))
        return value * (form == SpiceForm::Frequency ? 1e6 : 0.001);
    if (netlist::Contains(upper, "K"))
        return value * 1000;
    if (netlist::Contains(upper, "G"))
        return value * 1e9;
    return value;
}

std::string FormatSpiceValue(double value, SpiceForm form)
{
    switch (form) {
    case SpiceForm::Time:
        if (value < 1e-6)
            return Format("%.2fns", value * 999999999.9999999);
        if (value < 0.001)
            return Format("%.2fus", value * 1e6);
        if (value < 1)
            return Format("%.2fms", value * 1000);
        return Format("%.2f", value);
    case SpiceForm::Frequency:
        if (value >= 1e9)
            return Format("%.1fghz", value * 1e-9);
        if (value >= 1e6)
            return Format("%.1fmeg", value * 1e-6);
        if (value >= 1000)
            return Format("%.1fkhz", value * 0.001);
        return Format("%.1f", value);
    case SpiceForm::Voltage:
        if (value >= 1)
            return Format("%.1fv", value);
        return Format("%.1fmv", value * 1000);
    }
    return {};
}

std::string NormalizeDirective(std::string_view text, int analysis)
{
    const std::vector<std::string> words = netlist::SplitWords(text);
    switch (analysis) {
    case kAnalysisAc: return normalizeAc(words);
    case kAnalysisTransient: return normalizeTransient(words);
    case kAnalysisDcSweep: return normalizeDc(words);
    default: return std::string(text);
    }
}
