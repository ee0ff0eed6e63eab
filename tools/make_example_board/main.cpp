// Build-time writer of the example board:
//   make_example_board PACKAGES_FOLDER BOARD_PATH NETLIST_PATH
// Places the RC low-pass filter of the example drawing (R1 10k, C1 100n, and J1, a two-pin
// header carrying the input and its ground return) from the starter packages, writes the
// netlist as the schematic program lays it out, reads it back into the rats nest and writes the
// board. Any message, missing package or missing connection fails the build.
#include "common/string_helpers.h"
#include "platform/core/archive.h"
#include "platform/system/paths.h"
#include "tools/generator_output.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_file.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_memory.h"
#include "tracelyn/route/board_netlist.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kTool = "make_example_board";
constexpr const char* kLibrary = "STANDARD";

// The nets of the example drawing as Utilities > Netlist writes them for design "rc_filter":
// the input through R1, the ground of J1 and C1 (named by the ground symbol), and the output
// where R1 meets C1; J1 brings in the input and its ground.
constexpr std::string_view kNetlist =
    "Netlist for design: rc_filter\n"
    "Time: 12:00\n"
    "Date: 1/01/25 Wed\n"
    "Processing time:  0\n"
    "Number of signals found=3\n"
    "IN----j1-1,r1-1\n"
    "GND----j1-2,c1-2\n"
    "OUT----r1-2,c1-1\n";
constexpr int kConnections = 3;

struct Placement {
    const char* package;
    const char* label;
    int number;
    int32_t x, y;           // board units
    int32_t rotation;       // tenths of a degree: 0 or a quarter turn
    int32_t labelX, labelY; // where the label starts, from the part's position
};

// A small board read left to right like the drawing: the input header, the series resistor and
// the capacitor standing at the output, close together about the board's centre. Each rats-nest
// line runs straight between its pins (IN and OUT along the top pins, GND below the
// resistor), and the labels stand upright on one line above the parts, clear of the packages'
// "p?" placeholders.
constexpr Placement kParts[] = {
    {"HDR1X2", "J", 1, -5500, 400, 900, -600, -1900},
    {"AXIAL0.4", "R:10k", 1, 0, -100, 0, -1900, -1400},
    {"RADIAL0.1", "C:100n", 1, 5500, 400, 900, -2000, -1900},
};

// The board outline: 1.8 x 0.7 inch about the centre, clear of the parts and their labels.
constexpr int32_t kOutlineHalfWidth = 9000;
constexpr int32_t kOutlineHalfHeight = 3500;

// Word 4's label-upright bit: the label keeps reading left to right on a turned part.
constexpr int32_t kLabelUpright = 0x100;

// The package-local point that a part turned by `rotation` places at (dx, dy) from itself.
void setLabelOffset(BoardObject& part, int32_t rotation, int32_t dx, int32_t dy)
{
    int32_t lx = dx, ly = dy;
    switch (rotation) {
    case 900: lx = dy; ly = -dx; break;
    case 1800: lx = -dx; ly = -dy; break;
    case 2700: lx = -dy; ly = dx; break;
    default: break;
    }
    part.w[2] = kPackageOriginX + lx;
    part.w[3] = kPackageOriginY + ly;
}

bool placeParts()
{
    for (const Placement& p : kParts) {
        if (LoadLibraryPart(kLibrary, p.package) != 1) {
            std::fprintf(stderr, "make_example_board: package %s is missing\n", p.package);
            return false;
        }
        const int package = g_packages.current;
        BoardObject* appended = AppendedObject(AppendObject());
        if (appended == nullptr)
            return false;
        BoardObject& part = *appended;
        part.w[0] = p.x;
        part.w[1] = p.y;
        part.w[4] = kKindPart + package;
        if (p.rotation != 0)
            part.w[4] |= kLabelUpright;
        part.w[6] = p.rotation;
        part.w[7] = p.number;
        part.data = StrDupChecked(p.label);
        setLabelOffset(part, p.rotation, p.labelX, p.labelY);
    }
    return true;
}

// The new board's outline fills the work area; this board is much smaller.
void shrinkOutline()
{
    SetOutlineRectangle(-kOutlineHalfWidth, -kOutlineHalfHeight, kOutlineHalfWidth, kOutlineHalfHeight);
}

std::vector<uint8_t> boardBytes()
{
    plat::Archive archive(plat::Archive::Mode::Store);
    WriteBoard(archive, kFileModeBoard);
    return archive.bytes();
}

int ratsNestLines()
{
    int lines = 0;
    for (int i = 1; i <= g_board.count; ++i)
        lines += g_board.objects[i].kind() == kKindNoRoute;
    return lines;
}

// Writes the netlist and the board; false when a step failed (said on the error stream).
bool makeExampleBoard(const std::string& board, const std::string& netlist)
{
    BoardDocumentData doc;
    bool ok = InitNewBoard(doc) && RouterMemory(kRouterMemoryAllocate) == 1;
    if (ok)
        shrinkOutline();
    ok = ok && placeParts();
    ok = ok && writeGeneratedFile(kTool, netlist, kNetlist);
    if (ok) {
        g_netlist.netlistName = netlist;
        BuildRatsNest(1);
        if (g_router.ratsNestCount != kConnections || ratsNestLines() != kConnections) {
            std::fprintf(stderr, "%s: the rats nest has %d connections, not %d\n", kTool.data(),
                         g_router.ratsNestCount, kConnections);
            ok = false;
        }
    }
    ok = ok && writeGeneratedFile(kTool, board, boardBytes());
    ForgetNets();
    RouterMemory(kRouterMemoryFree);
    CloseBoardDocument(doc, nullptr);
    ClearPackageTables();
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    return runGenerator(argc, argv, 3, "make_example_board PACKAGES_FOLDER BOARD_PATH NETLIST_PATH", kTool,
                        [](std::span<char* const> arguments) {
                            g_boardFolders.libraryFolder = plat::withTrailingSeparator(arguments[0]);
                            return makeExampleBoard(arguments[1], arguments[2]);
                        });
}
