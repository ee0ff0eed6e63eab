// Writes the short sounds the programs play (SOUNDS/ beside the executables): a start chime,
// a done blip, a goodbye chime and the two tones at the ends of the zoom range. The zoom
// sounds are named "Maximum" and "Minimum" without an extension because that is the name the
// programs ask for.
#include "tools/generator_arguments.h"
#include "tools/generator_output.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Note {
    double hz;
    double seconds;
};

void put16(std::vector<uint8_t>& out, uint16_t v) { out.push_back(v & 0xFF), out.push_back(v >> 8); }
void put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

std::vector<uint8_t> render(const std::vector<Note>& notes)
{
    std::vector<int16_t> samples;
    for (const Note& n : notes) {
        const int count = static_cast<int>(n.seconds * kRate);
        for (int i = 0; i < count; ++i) {
            // A short fade at both ends keeps the notes free of clicks.
            const double fade = std::min({1.0, i / 200.0, (count - i) / 200.0});
            samples.push_back(static_cast<int16_t>(9000 * fade * std::sin(2 * M_PI * n.hz * i / kRate)));
        }
    }
    std::vector<uint8_t> out;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put32(out, 36 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(out, 16);
    put16(out, 1);             // PCM
    put16(out, 1);             // mono
    put32(out, kRate);
    put32(out, kRate * 2);     // bytes per second
    put16(out, 2);             // block align
    put16(out, 16);            // bits per sample
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(out, dataBytes);
    for (int16_t s : samples)
        put16(out, static_cast<uint16_t>(s));
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!argumentsGiven(argc, 1, "make_sounds SOUNDS-FOLDER"))
        return 2;
    const std::string folder = std::string(argv[1]) + "/";
    const struct {
        const char* name;
        std::vector<Note> notes;
    } sounds[] = {
        {"welcome.wav", {{523.25, 0.12}, {659.25, 0.12}, {783.99, 0.2}}},
        {"filedone.wav", {{880.0, 0.08}}},
        {"goodbye.wav", {{783.99, 0.12}, {659.25, 0.12}, {523.25, 0.2}}},
        {"route.wav", {{659.25, 0.1}, {987.77, 0.15}}},
        {"Maximum", {{1318.5, 0.1}}},
        {"Minimum", {{329.63, 0.1}}},
    };
    for (const auto& s : sounds) {
        if (!writeGeneratedFile("make_sounds", folder + s.name, render(s.notes)))
            return 1;
    }
    return 0;
}
