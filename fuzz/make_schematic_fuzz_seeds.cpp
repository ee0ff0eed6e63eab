// Writes the schematic clipboard seed through the schematic program's own block writer, and a
// model file whose subcircuit has the polynomial sources the deck writer rewrites.
//
//   make_schematic_fuzz_seeds SEED_FOLDER

#include "schemora/core/clipboard_records.h"
#include "schemora/core/draw_object.h"
#include "tools/generator_output.h"

#include <filesystem>
#include <iostream>
#include <vector>

namespace {

constexpr std::string_view kTool = "make_schematic_fuzz_seeds";

// Old subcircuit models describe controlled sources as polynomials, one kind of each here.
constexpr const char* kPolySubcircuit =
    ".SUBCKT OPAMP 1 2 3 4 5\n"
    "E1 6 0 POLY(2) 1 0 2 0 0 1 2U\n"
    "F2 7 0 POLY(1) VX 0.5 2\n"
    "G3 5 4 POLY(1) 3 4 0 1\n"
    "H4 8 0 POLY(2) VX VY 0 1 1\n"
    "VX 6 7 0\n"
    "VY 7 8 0\n"
    ".ENDS OPAMP\n";

bool writeSeed(const std::filesystem::path& seeds, const char* harness, const char* name, const char* text)
{
    const std::filesystem::path folder = seeds / harness;
    std::filesystem::create_directories(folder);
    return writeGeneratedFile(kTool, (folder / name).string(), std::string_view(text));
}

// A deck of the form the netlister writes for a transient run with a Fourier card, and the
// Fourier table ngspice prints for it, which spicerun relays into the listing.
constexpr const char* kDeck =
    "* rc_filter\n"
    "V1 IN 0 SIN(0 1 1K)\n"
    "R1 IN OUT 1K\n"
    "C1 OUT 0 100N\n"
    ".TRAN 10U 5M\n"
    ".FOUR 1K V(OUT,0)\n"
    ".PRINT TRAN V(OUT) V(IN)\n"
    ".END\n";
constexpr const char* kFourierOutput =
    "Fourier analysis for v(out):\n"
    "  No. Harmonics: 10, THD: 0.5 %, Gridsize: 200, Interpolation Degree: 1\n\n"
    "Harmonic Frequency   Magnitude   Phase       Norm. Mag   Norm. Phase\n"
    "-------- ---------   ---------   -----       ---------   -----------\n"
    " 0       0           1e-05       0           0           0\n"
    " 1       1000        0.84        -32.1       1           0\n"
    " 2       2000        0.001       12.0        0.0012      44.1\n";

bool writeTextSeeds(const std::filesystem::path& seeds)
{
    return writeSeed(seeds, "spice_models", "poly_subcircuit.mod", kPolySubcircuit) &&
           writeSeed(seeds, "spice_deck", "rc_filter.cir", kDeck) &&
           writeSeed(seeds, "spice_deck", "fourier.out", kFourierOutput);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_schematic_fuzz_seeds SEED_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "schematic_clipboard";
    std::filesystem::create_directories(folder);
    std::vector<DrawObject> objects(3);
    objects[1].w = ObjectWords(kObjLine, 0, 0, 500, 0, 1);
    objects[2].w = ObjectWords(kObjRectangle, 100, 100, 300, 200, 1);
    const int selection[] = {1, 2};
    ClipboardHeader header;
    header.right = 600;
    header.bottom = 300;
    const std::vector<uint8_t> block = EncodeClipboardBlock(header, objects, selection);
    const bool written = writeGeneratedFile(kTool, (folder / "block").string(), block);
    return written && writeTextSeeds(argv[1]) ? 0 : 1;
}
