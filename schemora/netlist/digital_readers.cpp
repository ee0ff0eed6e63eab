// The digital listing (".ckt" probe order, ".lst" levels), the device list (".dev") and the
// Fourier table of the ".out" listing.
#include "schemora/netlist/sim_traces.h"

#include "common/string_helpers.h"
#include "schemora/core/current_document.h"
#include "schemora/netlist/bounded_lines.h"
#include "platform/core/input_file.h"
#include "schemora/netlist/netlist_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kCircuitLineChars = 126;
constexpr size_t kListingLineChars = 79;
constexpr size_t kFourierLineChars = 99;
constexpr size_t kFourierFieldsFrom = 22;    // the 23rd character
constexpr size_t kLevelColumn = 14;
constexpr size_t kTimeChars = 12;

std::vector<std::string> fieldsOf(std::string_view line) { return netlist::SplitWords(line); }

// The probe's 1-based position on the ".PROBE" line, 0 when it is not there.
int probeIndex(const std::string& probeLine, const std::string& name)
{
    int index = 0;
    for (const std::string& field : fieldsOf(probeLine)) {
        if (field.empty() || field[0] == '.')
            continue;
        ++index;
        if (field == name)
            return index;
    }
    return 0;
}

}  // namespace

void LoadDigitalTrace(int channel, int reportFlag)
{
    const std::string& name = g_simTraces.names[static_cast<size_t>(channel)];
    const std::string base = SimulationBasePath();
    std::string probeLine;
    {
        BoundedLineFile circuit;
        if (!OpenResultFile(circuit, base, ".ckt", reportFlag))
            return;
        std::string line;
        while (circuit.next(line, kCircuitLineChars)) {
            if (netlist::StartsWith(line, ".PROBE")) {
                probeLine = line;
                break;
            }
        }
    }
    const int probe = probeIndex(probeLine, name);
    if (probe == 0) {
        ShowReaderError(netlist::Format("Can't find signal %s in buffer", name.c_str()));
        return;
    }
    BoundedLineFile listing;
    if (!OpenResultFile(listing, base, ".lst", reportFlag))
        return;
    auto& samples = g_simTraces.samples[static_cast<size_t>(channel)];
    std::fill(samples.begin(), samples.begin() + kShownSamples, '0');
    std::string line;
    bool timeSeen = false;
    while (listing.next(line, kListingLineChars)) {
        if (netlist::Contains(line, "SCALE")) {
            const std::vector<std::string> fields = fieldsOf(line);
            if (fields.size() > 1)
                g_simTraces.digitalScale = static_cast<float>(std::atof(fields[1].c_str()));
        }
        if (netlist::Contains(line, "TIME")) {
            timeSeen = true;
            break;
        }
    }
    if (!timeSeen) {
        ShowReaderError("Error in .LST file:\nTIME or SCALE statement not found");
        return;
    }
    const size_t column = kLevelColumn + 2 * static_cast<size_t>(probe);
    int count = 0;
    while (count < kShownSamples && listing.next(line, kListingLineChars)) {
        // A level beyond the end of a short line reads as low.
        samples[static_cast<size_t>(count)] = column < line.size() ? static_cast<unsigned char>(line[column]) : '0';
        g_simTraces.digitalTimes[static_cast<size_t>(count)] = std::atoi(line.substr(0, kTimeChars).c_str());
        ++count;
        if (!line.empty() && line[0] == 'S')
            break;
    }
    int span = count >= 3 ? g_simTraces.digitalTimes[static_cast<size_t>(count - 3)] - g_simTraces.digitalTimes[0] : 0;
    g_simTraces.digitalSpan = span == 0 ? 1234 : span;
    g_simTraces.digitalCount = count;
    g_traceLabel.text = netlist::Format("%d sample(s)/div",
                                        10 / kZoomFactors[static_cast<size_t>(g_instrumentSettings.zoomIndex & 3)]);
}

void ReadDeviceFile(int reportFlag)
{
    g_simTraces.deviceCount = 0;
    const std::string base = SimulationBasePath();
    BoundedLineFile file;
    if (!OpenResultFile(file, base, ".dev", reportFlag))
        return;
    std::string line;
    bool ended = false;
    while (g_simTraces.deviceCount < kMaxDevices && file.next(line, kCircuitLineChars, &ended)) {
        if (!ended)
            break;   // a last line without a line end was cut short by the writer
        const std::vector<std::string> fields = fieldsOf(line);
        if (fields.empty())
            continue;
        DeviceRecord& device = g_simTraces.devices[static_cast<size_t>(g_simTraces.deviceCount++)];
        device = DeviceRecord{};
        device.name = fields[0];
        device.signalCount = static_cast<int>(fields.size()) - 1;
        for (size_t s = 1; s < fields.size() && s <= device.signals.size(); ++s)
            device.signals[s - 1] = fields[s];
    }
    const bool digital = g_simTraces.instrumentMode == kInstrumentDigital;
    const int limit = digital ? kTraceChannels : kScopeChannels;
    for (int d = 0; d < g_simTraces.deviceCount; ++d) {
        DeviceRecord& device = g_simTraces.devices[static_cast<size_t>(d)];
        device.objectIndex = g_current.count + 1;
        for (int i = 1; i <= g_current.count && i < static_cast<int>(g_current.objects.size()); ++i) {
            const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
            if (!o.isPart() || !o.text)
                continue;
            const std::string prefix(o.text, std::strcspn(o.text, ":"));
            if ((prefix == "LED" && device.name == netlist::Format("LED%d", o.w[6])) ||
                (prefix == "DEV" && device.name == netlist::Format("DEV%d", o.w[6]))) {
                device.objectIndex = i;
                break;
            }
        }
        for (size_t s = 0; s < device.signals.size(); ++s) {
            device.channels[s] = limit;
            const std::string wanted = digital ? device.signals[s] : "(" + device.signals[s] + ")";
            for (int c = 0; c < limit; ++c) {
                if (!device.signals[s].empty() && g_simTraces.names[static_cast<size_t>(c)] == wanted) {
                    device.channels[s] = c;
                    break;
                }
            }
        }
    }
}

int ReadFourierResults()
{
    const std::string path = SimulationBasePath() + ".out";
    BoundedLineFile file(path);
    if (!file.isOpen()) {
        ShowReaderError(file.refusedNotAFile() ? plat::notAFileText(path) : netlist::Format("%s file not found", path.c_str()));
        return 0;
    }
    std::string line;
    bool found = false;
    while (!found && file.next(line, kFourierLineChars))
        found = netlist::Contains(line, "Harmonic Frequency");
    if (!found)
        return 1;
    file.next(line, kFourierLineChars);
    for (size_t k = 0; k < kHarmonics && file.next(line, kFourierLineChars); ++k) {
        if (line.size() <= kFourierFieldsFrom)
            continue;   // a short line has no fields to read
        const std::vector<std::string> fields = fieldsOf(std::string_view(line).substr(kFourierFieldsFrom));
        if (fields.size() > 1)
            g_simTraces.fourierPhase[k] = std::atof(fields[1].c_str());
        if (fields.size() > 2)
            g_simTraces.fourierMagnitude[k] = std::atof(fields[2].c_str());
    }
    file.next(line, kFourierLineChars);
    return 1;
}
