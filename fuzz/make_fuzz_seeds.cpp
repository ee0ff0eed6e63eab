// Writes the seeds no shipped file stands for, through the board program's own writers: a
// router strategy file, a registry store, a board clipboard block, a DXF drawing, a D-code list
// and a MIME defaults list; and a Gerber file and simulator listings laid out as those writers
// lay them out.
//
//   make_fuzz_seeds SEED_FOLDER

#include "common/dxf_entities.h"
#include "platform/system/desktop_entries.h"
#include "platform/system/registry.h"
#include "tracelyn/core/board_clipboard_block.h"
#include "tracelyn/core/board_object.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_strategy.h"
#include "tracelyn/route/dcodes_dialog.h"
#include "tracelyn/route/gerber_import.h"
#include "tools/generator_output.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <iostream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

bool writeSeed(const fs::path& file, std::string_view bytes)
{
    fs::create_directories(file.parent_path());
    return writeGeneratedFile("make_fuzz_seeds", file.string(), bytes);
}

std::string dxfDrawing()
{
    std::string out = "0\nSECTION\n2\nHEADER\n9\n$EXTMIN\n10\n0\n20\n0\n9\n$EXTMAX\n10\n8\n20\n5\n0\nENDSEC\n"
                      "0\nSECTION\n2\nENTITIES\n";
    DxfWriteLine(out, 0, 0, 10000, 0);
    DxfWriteRect(out, 1000, 1000, 4000, 3000);
    DxfWriteCircle(out, 5000, 2000, 800, 800);
    DxfWriteArc(out, 6000, 0, 7000, 1000);
    DxfWriteText(out, 2000, 4000, "IN", 0, 0);
    return out + "0\nPOLYLINE\n66\n1\n0\nVERTEX\n10\n0.1\n20\n0.1\n0\nVERTEX\n10\n0.5\n20\n0.1\n0\nSEQEND\n"
                 "0\nENDSEC\n0\nEOF\n";
}

std::string boardClipboard()
{
    BoardObject trace;
    trace.setKind(kKindLine);
    trace.w[2] = 5000;
    trace.w[7] = 100;
    BoardObject pad;
    pad.setKind(kKindPad);
    pad.w[0] = 5000;
    pad.w[2] = pad.w[3] = 600;
    pad.w[6] = 300;
    const BoardObject* objects[] = {&trace, &pad};
    ClipboardHeader header;
    header.w[1] = 5;
    const std::vector<uint8_t> block = EncodeBoardClipboard(header, objects);
    return std::string(block.begin(), block.end());
}

// As the photoplot writer lays out a file: format, units, apertures, draws and flashes.
constexpr std::string_view kGerber = "G04 seed*\n%FSLAX24Y24*%\n%MOIN*%\n%ADD10C,0.0100*%\n%ADD11R,0.0600X0.0400*%\n"
                                     "%ADD12O,0.0600X0.0400*%\n%LPD*%\nD10*\nX0Y0D02*\nX5000Y0D01*\nX5000Y-5000D01*\n"
                                     "D11*\nX0Y0D03*\nD12*\nX5000Y-5000D03*\nM02*\n";
// As the simulator adapter lays out its listing: card, header, fillers, rows, blank, Fourier.
constexpr std::string_view kListing =
    ".TRAN 1.000e-04 1.000e-02 0\nTIME         V(OUT)\n------\n\n0.00000e+00  0.00000e+00\n1.00000e-04  "
    "9.51626e-02\n2.00000e-04  1.81269e-01\n\nHARMONIC FREQUENCY  FOURIER  NORMALIZED  PHASE  NORMALIZED\n"
    "     NO        (HZ)  COMPONENT  COMPONENT  (DEG)  PHASE (DEG)\n       1 1000          1.000e+00  1.000000   "
    "-90.00   0.00\n       2 2000          1.000e-02  0.010000   -90.00   0.00\n\n";
constexpr std::string_view kDigitalListing = "   Time      CLK Q\n          0   0 0\n*        10   1 0\n         20   0 1\n";

// The Gerber file followed by its apertures as the D-code list shows them, the second one
// corrected as a person would type it.
std::string dcodeList()
{
    std::string out(kGerber);
    g_importedDcodes.records = ReadGerber(kGerber, 0).dcodes;
    for (size_t i = 0; i < g_importedDcodes.records.size(); ++i)
        out += DcodeLine(i) + "\n";
    if (g_importedDcodes.records.size() > 1) {
        g_importedDcodes.records[1].x *= 2;
        out += DcodeLine(1) + "\n";
    }
    return out;
}

// A MIME defaults list after the installer's association, from one that named a text editor.
std::string mimeDefaults(const fs::path& scratch)
{
    ::setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (scratch / "data").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (scratch / "none").c_str(), 1);
    writeSeed(scratch / "config" / "mimeapps.list",
              "[Default Applications]\ntext/plain=editor.desktop\n\n[Added Associations]\ntext/x-log=viewer.desktop;\n");
    plat::associateWithTextEditor("text/x-schemora-library", "*.lib", "Part library list");
    std::ifstream in(scratch / "config" / "mimeapps.list", std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    fs::remove_all(scratch);
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_seeds SEED_FOLDER\n";
        return 2;
    }
    const fs::path seeds = argv[1];
    std::filesystem::create_directories(seeds / "strategy");
    std::filesystem::create_directories(seeds / "registry");
    g_router.netlistName = "board.net";
    bool ok = WriteRouterStrategy((seeds / "strategy" / "board.tlz").string());
    plat::Registry store((seeds / "registry" / "store").string());
    ok = store.setValue("Software\\Quillmere\\Schemora\\Settings", "Library", plat::RegistryValue{std::string("/opt/LIB")}) && ok;
    ok = store.setValue("Software\\Quillmere\\Tracelyn\\Settings", "Units", plat::RegistryValue{uint32_t{1}}) && ok;
    const std::string dxf = dxfDrawing();
    ok = writeSeed(seeds / "schematic_dxf" / "drawing.dxf", dxf) && ok;
    ok = writeSeed(seeds / "board_dxf" / "drawing.dxf", dxf) && ok;
    ok = writeSeed(seeds / "board_clipboard" / "block", boardClipboard()) && ok;
    ok = writeSeed(seeds / "gerber" / "board.gbr", kGerber) && ok;
    ok = writeSeed(seeds / "simulation_results" / "analog.out", kListing) && ok;
    ok = writeSeed(seeds / "simulation_results" / "digital.lst", kDigitalListing) && ok;
    ok = writeSeed(seeds / "dcode_list" / "board.gbr", dcodeList()) && ok;
    ok = writeSeed(seeds / "mime_defaults" / "mimeapps.list", mimeDefaults(seeds / "mime-scratch")) && ok;
    return ok ? 0 : 1;
}
