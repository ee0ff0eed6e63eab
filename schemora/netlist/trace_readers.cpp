// The analog result reader: probe texts of the drawing name the channels, the ".out" listing's
// tables fill them.
#include "schemora/netlist/sim_traces.h"

#include "common/rounding.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "schemora/core/current_document.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/netlist/bounded_lines.h"
#include "schemora/netlist/netlist_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

SimTraceStore g_simTraces;
PhaseDisplay g_phaseDisplay;
InstrumentSettings g_instrumentSettings;
TraceLabelText g_traceLabel;

namespace {

constexpr size_t kListingLineChars = 79;
constexpr int kMaxHeaderTries = 11;
constexpr size_t kProbeNameChars = 9;
constexpr size_t kSearchChars = 10;

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The ".TRAN" print step: the number scaled by the last of U, N, M found in the field.
float printStepOf(const std::string& field)
{
    double scale = 1;
    if (contains(field, "U")) scale = 1e-6;
    if (contains(field, "N")) scale = 1e-9;
    if (contains(field, "M")) scale = 1e-3;
    return static_cast<float>(std::atof(field.c_str()) * scale);
}

// A frequency field of the ".AC" card with SPICE's suffixes (K, MEG, G, ...; M is milli).
float frequencyOf(const std::string& field)
{
    char* end = nullptr;
    double value = std::strtod(field.c_str(), &end);
    const std::string suffix(end ? end : "");
    if (suffix.rfind("MEG", 0) == 0) value *= 1e6;
    else if (contains(suffix, "K")) value *= 1e3;
    else if (!suffix.empty() && suffix[0] == 'G') value *= 1e9;
    else if (!suffix.empty() && suffix[0] == 'T') value *= 1e12;
    else if (!suffix.empty() && suffix[0] == 'M') value *= 1e-3;
    return static_cast<float>(value);
}

bool isDigital() { return g_simTraces.instrumentMode == kInstrumentDigital; }

bool isHeader(const std::string& line, bool dc)
{
    return contains(line, "TIME") || contains(line, "FREQ") || (dc && contains(line, "SWEEP"));
}

// Step 2 of the analog read: reads the listing's analysis card and stops at the first column
// header after it (or at the end of the file). The searched name may become the phase name.
bool scanToHeader(BoundedLineFile& file, int channel, std::string& searched, std::string& header)
{
    bool headerSeen = false, analysisSeen = false;
    std::string line;
    while (file.next(line, kListingLineChars)) {
        line = netlist::Upper(line);
        const std::vector<std::string> fields = netlist::SplitWords(line);
        if (isHeader(line, g_simTraces.analysisKind == kKindDc && analysisSeen)) {
            headerSeen = true;
            header = line;
        }
        if (contains(line, ".TRAN")) {
            analysisSeen = true;
            g_simTraces.analysisKind = kKindTransient;
            g_simTraces.unitLabel = "v/div";
            if (fields.size() > 1)
                g_simTraces.printStep = printStepOf(fields[1]);
        } else if (contains(line, ".AC") || contains(line, ".NOISE")) {
            analysisSeen = true;
            if (fields.size() > 1 && fields[1] == "LIN")
                g_simTraces.sweepKind = kSweepLinearKind;
            else if (fields.size() > 1 && fields[1] == "DEC")
                g_simTraces.sweepKind = kSweepDecadeKind;
            if (fields.size() > 2)
                g_simTraces.points = std::atoi(fields[2].c_str());
            if (fields.size() > 3)
                g_simTraces.startFrequency = frequencyOf(fields[3]);
            if (fields.size() > 4)
                g_simTraces.stopFrequency = frequencyOf(fields[4]);
            g_simTraces.unitLabel = "d/div";
            g_simTraces.analysisKind = kKindAc;
            // Channels beyond the scope's eight (the noise pair) have no phase switch.
            if (channel < kScopeChannels)
                g_simTraces.phase[static_cast<size_t>(channel)] = g_phaseDisplay.on;
            if (g_phaseDisplay.on == 1)
                searched = "PH(V" + searched + ")";
        } else if (contains(line, ".DC")) {
            analysisSeen = true;
            g_simTraces.analysisKind = kKindDc;
            g_simTraces.unitLabel = "v/div";
        }
        if (headerSeen && analysisSeen)
            return true;
    }
    return false;
}

// The header field that holds the searched name: -1 for the first field, -2 for none.
int columnOf(const std::string& header, const std::string& searched)
{
    const std::vector<std::string> fields = netlist::SplitWords(header);
    for (size_t i = 0; i < fields.size(); ++i)
        if (contains(fields[i], searched))
            return static_cast<int>(i) - 1;
    return -2;
}

void copyToDisplay(int channel)
{
    auto& samples = g_simTraces.samples[static_cast<size_t>(channel)];
    const int count = std::clamp(g_simTraces.sampleCount, 0, kRawSamples);
    for (int i = 0; i < kShownSamples; ++i) {
        g_simTraces.x[static_cast<size_t>(i)] = i < count ? g_simTraces.rawX[static_cast<size_t>(i)] : 0.0f;
        if (i < count)
            samples[static_cast<size_t>(i)] = g_simTraces.rawSamples[static_cast<size_t>(i)];
        else
            samples[static_cast<size_t>(i)] = i > 0 ? samples[static_cast<size_t>(i - 1)] : 0;
    }
}

// "t=..../div" from two neighbouring shown samples; nothing below two rows.
void horizontalLabel(int count)
{
    if (count < 2)
        return;
    const int i = std::clamp(count - 20, 0, kShownSamples - 20);
    const int perDivision = 10 / kZoomFactors[static_cast<size_t>(g_instrumentSettings.zoomIndex & 3)];
    FormatAxisLabel((static_cast<double>(g_simTraces.x[static_cast<size_t>(i) + 1]) - g_simTraces.x[static_cast<size_t>(i)]) *
                        perDivision,
                    g_simTraces.analysisKind);
    std::string text = g_traceLabel.text;
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    g_traceLabel.text = text + "/div";
}

void loadAnalog(int channel, int reportFlag)
{
    std::string searched = netlist::Upper(g_simTraces.names[static_cast<size_t>(channel)].substr(0, kSearchChars));
    const std::string base = SimulationBasePath();
    BoundedLineFile file;
    if (!OpenResultFile(file, base, ".out", reportFlag))
        return;
    std::string header;
    if (!scanToHeader(file, channel, searched, header))
        return;
    int column = columnOf(header, searched);
    std::string line;
    for (int tries = 1; column == -2; ++tries) {
        if (tries >= kMaxHeaderTries) {
            ShowReaderError(netlist::Format("Can't find signal %s in buffer", searched.c_str()));
            return;
        }
        bool found = false;
        while (!found && file.next(line, kListingLineChars)) {
            line = netlist::Upper(line);
            found = isHeader(line, g_simTraces.analysisKind == kKindDc);
        }
        if (!found) {
            if (reportFlag == 1)
                ShowReaderError(netlist::Format("Can't find signal %s in buffer", searched.c_str()));
            return;
        }
        column = columnOf(line, searched);
    }

    auto& samples = g_simTraces.samples[static_cast<size_t>(channel)];
    std::fill(samples.begin(), samples.begin() + kShownSamples, 0);
    g_simTraces.x.fill(0);
    g_simTraces.rawX.fill(0);
    file.next(line, kListingLineChars);
    file.next(line, kListingLineChars);
    const bool noise = g_simTraces.specialAnalysis == 5;
    int count = 0;
    int largest = 0;
    double value = 0;
    while (count < kRawValues && file.next(line, kListingLineChars) && line.size() >= 5) {
        const std::vector<std::string> fields = netlist::SplitWords(line);
        if (fields.empty())
            break;
        const size_t wanted = column < 0 ? 0 : static_cast<size_t>(column) + 1;
        if (wanted < fields.size())
            value = std::atof(fields[wanted].c_str()) * -1000.0;
        g_simTraces.rawX[static_cast<size_t>(count)] = static_cast<float>(std::atof(fields[0].c_str()));
        if (noise)
            g_simTraces.rawValues[static_cast<size_t>(count)] = value;
        const int sample = RoundHalfTowardZero(std::clamp(value, -2e9, 2e9));
        g_simTraces.rawSamples[static_cast<size_t>(count)] = sample;
        largest = std::max(largest, std::abs(sample));
        ++count;
    }
    PickVoltsPerDiv(largest, channel);
    g_simTraces.sampleCount = count;
    if (noise) {
        ScaleNoiseTrace(channel);
        copyToDisplay(channel);
    } else if (g_simTraces.analysisKind == kKindTransient) {
        ResampleTransient(channel, count);
    } else {
        copyToDisplay(channel);
    }
    horizontalLabel(std::min(g_simTraces.sampleCount, kShownSamples));
}

}  // namespace

void ShowReaderError(std::string_view text) { plat::MessageBox(text, plat::kMbOk | plat::kMbIconStop); }

std::string CutFileExtension(std::string_view path)
{
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::string(path);
    return std::string(path.substr(0, dot));
}

std::string SimulationBasePath()
{
    if (!g_current.activeDocument)
        return {};
    return CutFileExtension(g_current.activeDocument->GetPathName());
}

int FindSpecialAnalysis()
{
    for (int i = 1; i <= g_current.count && i < static_cast<int>(g_current.objects.size()); ++i) {
        const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (o.type() != kObjText || !o.text)
            continue;
        const std::string text = netlist::Upper(o.text);
        if (contains(text, ".NOISE")) return 5;
        if (contains(text, ".PZ")) return 6;
        if (contains(text, ".TF")) return 7;
        if (contains(text, ".DISTO")) return 8;
    }
    return 0;
}

void PickVoltsPerDiv(int largest, int channel)
{
    int index = kStepCount - 1;
    for (int i = 0; i < kStepCount; ++i) {
        if (kStepThresholds[static_cast<size_t>(i)] * 40 > largest) {
            index = i;
            break;
        }
    }
    if (channel >= 0 && channel < kScopeChannels)
        g_simTraces.stepIndex[static_cast<size_t>(channel)] = index;
    g_traceLabel.text = std::string(kStepTexts[static_cast<size_t>(index)]) + g_simTraces.unitLabel;
}

void ScaleNoiseTrace(int channel)
{
    (void)channel;
    const int count = std::clamp(g_simTraces.sampleCount, 0, kRawValues);
    if (count == 0)
        return;
    double smallest = std::abs(g_simTraces.rawValues[0]), largest = smallest;
    for (int i = 0; i < count; ++i) {
        const double v = std::abs(g_simTraces.rawValues[static_cast<size_t>(i)]);
        smallest = std::min(smallest, v);
        largest = std::max(largest, v);
    }
    for (int i = 0; i < count; ++i) {
        // Flat noise has no range to scale into: its samples stay on the zero line.
        const double scaled = largest > smallest ? g_simTraces.rawValues[static_cast<size_t>(i)] * 8000.0 / (largest - smallest) : 0.0;
        g_simTraces.rawSamples[static_cast<size_t>(i)] = static_cast<int32_t>(std::clamp(scaled, -2e9, 2e9));
    }
}

void ResampleTransient(int channel, int count)
{
    count = std::clamp(count, 0, kRawSamples);
    auto& samples = g_simTraces.samples[static_cast<size_t>(channel)];
    const double step = g_simTraces.printStep;
    // Rows written on the print step read back a hair below it; they still belong to it.
    const double slack = std::abs(step) * 1e-4;
    int source = 0;
    int shown = 0;
    while (shown < kShownSamples) {
        const double t = shown * step;
        while (source < count && g_simTraces.rawX[static_cast<size_t>(source)] < t - slack)
            ++source;
        if (source >= count)
            break;
        g_simTraces.x[static_cast<size_t>(shown)] = static_cast<float>(t);
        samples[static_cast<size_t>(shown)] = g_simTraces.rawSamples[static_cast<size_t>(source)];
        ++shown;
    }
    for (int i = shown; i < kShownSamples; ++i)
        g_simTraces.x[static_cast<size_t>(i)] = 0;
    g_simTraces.sampleCount = shown;
}

void FormatAxisLabel(double value, int kind)
{
    char text[64];
    switch (kind) {
    case 0:
        if (value < 1e-6) std::snprintf(text, sizeof text, "t=%.1fns", value * 1e9);
        else if (value < 0.001) std::snprintf(text, sizeof text, "t=%.1fus", value * 1e6);
        else if (value < 1) std::snprintf(text, sizeof text, "t=%.1fms", value * 1000);
        else std::snprintf(text, sizeof text, "t=%.1fs", value);
        break;
    case 1:
        if (value < 1000) std::snprintf(text, sizeof text, "f=%.1fhz", value);
        else if (value < 1e6) std::snprintf(text, sizeof text, "f=%.1fkhz", value * 0.001);
        else if (value < 1e9) std::snprintf(text, sizeof text, "f=%.1fmhz", value * 1e-6);
        else std::snprintf(text, sizeof text, "f=%.1fghz", value * 1e-9);
        break;
    case 2:
        if (value < 1) std::snprintf(text, sizeof text, "v=%.1fmv", value * 1000);
        else std::snprintf(text, sizeof text, "v=%.1fv", value);
        break;
    default:
        return;
    }
    std::string padded(text);
    padded.resize(11, ' ');
    g_traceLabel.text = padded;
}

void LoadTraceData(int channel, int reportFlag)
{
    if (channel < 0 || channel >= kTraceChannels)
        return;
    if (isDigital())
        LoadDigitalTrace(channel, reportFlag);
    else
        loadAnalog(channel, reportFlag);
}

void LoadTraces(int reportFlag)
{
    const bool digital = isDigital();
    const int limit = digital ? kTraceChannels : kScopeChannels;
    g_simTraces.specialAnalysis = FindSpecialAnalysis();
    int channel = 0;
    for (int i = 1; i <= g_current.count && i < static_cast<int>(g_current.objects.size()) && channel < limit; ++i) {
        const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (o.type() == kObjText && o.text && std::strchr(o.text, '*')) {
            // A long text with a "*" is not a probe name; the drawing's later probes are not read.
            if (std::strlen(o.text) > kProbeNameChars)
                return;
            const std::string name(o.text, std::strcspn(o.text, "*"));
            g_simTraces.names[static_cast<size_t>(channel)] = digital ? name : "(" + name + ")";
            LoadTraceData(channel, reportFlag);
            ++channel;
        } else if (!digital && o.isPart() && o.symbolIndex() > 0 && o.symbolIndex() < kPartSymbolSlots &&
                   netlist::Contains(netlist::Upper(g_partSymbols.entries[static_cast<size_t>(o.symbolIndex())].name),
                                     "AMMETER")) {
            g_simTraces.names[static_cast<size_t>(channel)] = netlist::Format("V%d#", o.w[6]);
            ++channel;
        }
    }
    const bool limitHit = channel >= limit;
    if (g_simTraces.specialAnalysis == 5) {
        for (const char* name : {"ino", "ono"}) {
            if (channel >= kTraceChannels)
                break;
            g_simTraces.names[static_cast<size_t>(channel)] = name;
            LoadTraceData(channel, reportFlag);
            ++channel;
        }
    }
    if (channel == 0 || limitHit)
        return;
    for (int c = channel; c < limit; ++c) {
        g_simTraces.names[static_cast<size_t>(c)] = netlist::Format("trace%d", c + 1);
        auto& samples = g_simTraces.samples[static_cast<size_t>(c)];
        std::fill(samples.begin(), samples.begin() + kShownSamples, digital ? '0' : 0);
    }
}
