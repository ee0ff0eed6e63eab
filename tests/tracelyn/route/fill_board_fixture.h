#pragma once
// A generated board for the copper pour: surface-mount parts of two rectangular pads in rows,
// traces between neighbours and down some columns, and a rectangle round them all.

#include "tests/tracelyn/core/package_fixture.h"

#include "common/string_helpers.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"

#include <filesystem>
#include <string>

namespace fill_test {

// Two 25 x 35 mil surface pads 60 mils apart, centred on the package origin.
inline package_test::TestPackage chipPackage()
{
    package_test::TestPackage p("CHIP");
    p.text(-10000, -5000, ";Two pads");
    for (int pin = 1; pin <= 2; ++pin) {
        BoardObject& o = p.add(kKindPad, 0, pin == 1 ? -10300 : -9700, -5000);
        o.w[2] = 250;
        o.w[3] = 350;
        o.w[5] = 2;
        p.text(o.w[0], o.w[1], std::to_string(pin), 31);
    }
    p.text(-10000, -6000, "p?");
    return p;
}

struct GeneratedBoard {
    int parts = 0;
    int traces = 0;
    int enclosing = 0;      // index of the rectangle round the area
};

// columns x rows parts on a pitch of pitchX x pitchY units about the origin (every third part
// turned a quarter), a 10-mil trace from each part to its right neighbour and, in every fifth
// column, down towards the part below; then the enclosing rectangle of width x height units.
inline GeneratedBoard generateBoard(const std::filesystem::path& folder, int columns, int rows,
                                    int32_t pitchX, int32_t pitchY, int32_t width, int32_t height)
{
    std::filesystem::create_directories(folder);
    g_boardFolders.libraryFolder = folder.string() + "/";
    package_test::writeCatalog((folder / "FILL.CAT").string(), chipPackage());
    LoadLibraryPart("FILL", "CHIP");
    const int package = g_packages.current;
    GeneratedBoard made;
    auto append = [](const BoardObject& o) {
        g_board.objects[++g_board.count] = o;
        return g_board.count;
    };
    const int32_t x0 = -(columns - 1) * pitchX / 2, y0 = -(rows - 1) * pitchY / 2;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            BoardObject part;
            part.w[0] = x0 + c * pitchX;
            part.w[1] = y0 + r * pitchY;
            part.w[4] = kKindPart + package;
            part.w[5] = -1;
            part.w[6] = (r * columns + c) % 3 == 2 ? 900 : 0;
            part.w[7] = r * columns + c + 1;
            part.data = StrDupChecked("R");
            append(part);
            ++made.parts;
            BoardObject trace;
            trace.w[4] = kKindLine;
            trace.w[7] = 100;
            if (c + 1 < columns && part.w[6] == 0) {
                trace.w[0] = part.w[0] + 300;
                trace.w[1] = part.w[1];
                trace.w[2] = part.w[0] + pitchX - 300;
                trace.w[3] = part.w[1];
                append(trace);
                ++made.traces;
            }
            if (c % 5 == 0 && r + 1 < rows) {
                trace.w[0] = part.w[0];
                trace.w[1] = part.w[1] + 175;
                trace.w[2] = part.w[0];
                trace.w[3] = part.w[1] + pitchY / 2;
                append(trace);
                ++made.traces;
            }
        }
    }
    BoardObject area;
    area.w[0] = -width / 2;
    area.w[1] = -height / 2;
    area.w[2] = width;
    area.w[3] = height;
    area.w[4] = kKindRectangle;
    area.w[7] = 100;
    made.enclosing = append(area);
    return made;
}

}  // namespace fill_test
