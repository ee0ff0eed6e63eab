// Writes the schematic clipboard seeds through the schematic program's own block and text
// writers, a digital circuit file through the netlister's writer, an annotation file through
// Ref No's line writer, a model file whose subcircuit has the polynomial sources the deck
// writer rewrites, and a pin description with pins on every side.
//
//   make_schematic_fuzz_seeds SEED_FOLDER

#include "schemora/core/clipboard_records.h"
#include "schemora/core/design_name.h"
#include "schemora/core/draw_object.h"
#include "schemora/core/reference_numbering.h"
#include "schemora/netlist/netlist_builder.h"
#include "schemora/netlist/netlist_state.h"
#include "schemora/netlist/netlist_writers.h"
#include "platform/core/atomic_file.h"
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

// A pin description with pins on all four sides, kept in table order, and a supply on two pins.
constexpr const char* kFourSidedPins =
    "%partname: QUAD\n%type: Four sides\n%package: PLCC20\n%pinlist\n%nosort\n"
    "1) A1 i L\n2) A2 i L\n3) Y o R\n4) CLK i T\n5) OE i B\n6) nc\n7,9) vcc\n8) gnd\n%end\n";

// The texts of two lines and a blank-separated one, as Copy Text puts them on the clipboard.
bool writePastedText(const std::filesystem::path& seeds)
{
    std::vector<DrawObject> objects;
    objects.emplace_back();
    for (const char* text : {"R1 10K", "OUT", "#.TRAN 1U 1M"})
        objects.push_back(MakeDrawObject(ObjectWords(kObjText, 0, 0, 0, 0, 1), text));
    const int selection[] = {1, 2, 3};
    const bool ok = writeSeed(seeds, "text_paste", "texts", ClipboardTextOf(objects, selection).c_str());
    for (DrawObject& o : objects)
        ReleaseObjectData(o);
    return ok;
}

// A circuit of two gates whose nets the drawing probes, as Digital Simulation writes it.
bool writeDigitalCircuit(const std::filesystem::path& seeds)
{
    const std::filesystem::path folder = seeds / "digital_probes";
    std::filesystem::create_directories(folder);
    g_designName.text = "rc_step.pic";
    g_netTables.nets = {{"U1", "in clk out", "TTL\\7400 10", ""}, {"U2", "out in", "TTL\\7404 10", ""}};
    g_netTables.probes = {{"IN", 0}, {"CLK", 0}, {"OUT", 0}};
    plat::AtomicFile circuit((folder / "circuit.ckt").string());
    plat::AtomicFile devices((folder / "devices.dev").string());
    const CNetlistBuilder builder;
    WriteDigitalCircuit(circuit, devices, builder);
    devices.discard();
    ResetNetlistTables();
    return static_cast<bool>(circuit.commit());
}

// The example board's parts renumbered, as Ref No reports them.
bool writeAnnotation(const std::filesystem::path& seeds)
{
    const std::string lines = AnnotationLine("R1", "R2") + AnnotationLine("C1", "C7") + AnnotationLine("J1", "J1");
    return writeSeed(seeds, "back_annotation", "out.ano", lines.c_str());
}

bool writeTextSeeds(const std::filesystem::path& seeds)
{
    return writeSeed(seeds, "spice_models", "poly_subcircuit.mod", kPolySubcircuit) &&
           writeSeed(seeds, "pin_description", "four_sides.lib", kFourSidedPins) &&
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
    const bool written = writeGeneratedFile(kTool, (folder / "block").string(), block) && writeTextSeeds(argv[1]) &&
                         writePastedText(argv[1]) && writeDigitalCircuit(argv[1]) && writeAnnotation(argv[1]);
    return written ? 0 : 1;
}
