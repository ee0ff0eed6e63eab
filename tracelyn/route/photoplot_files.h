#pragma once
// The manufacturing file set of a board: one extended Gerber file per chosen layer and, when
// asked, one Excellon drill file, named after the board with the layer in the name and
// written whole or not at all.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One flag per layer number 0 to 32: 1 makes a Gerber file for that layer. Rebuilt from the
// board each time the manufacturing dialog opens; stored at its OK.
struct GerberLayerFlags {
    std::array<int32_t, 33> on{};
};
extern GerberLayerFlags g_gerberLayers;

// The name part that tells a layer's file: "top", "L1" ... "L15", "topsilk", "bottomsilk",
// "topmask", "bottommask", "toppaste", "bottompaste", "vcc", "gnd", "outline", "power1" ...
std::string_view LayerFileTag(int layer);
// "<folder>/<board name>-<tag>.gbr"; the drill file is "<folder>/<board name>.drl".
std::string GerberFileName(std::string_view boardPath, int layer);
std::string DrillFileName(std::string_view boardPath);

// The aperture table from the whole board (every layer that gets a file), then the text of
// one layer's file or of the drill file, for the current board (g_board).
void BuildApertureTable(const GerberLayerFlags& layers);
std::string GerberLayerText(int layer);
void AppendGerberLayer(std::string& text, int layer);
std::string DrillFileText();

struct ManufacturingResult {
    bool ok = false;
    std::vector<std::string> written;   // paths, in the order written
};
// Writes the set for the current board beside boardPath. Every file is written under a
// temporary name and the set renamed into place at the end; a failure (a width without an
// aperture, a file that cannot be written) is reported, removes what this run wrote and leaves
// the files of earlier runs as they were.
ManufacturingResult WriteManufacturingFiles(std::string_view boardPath, const GerberLayerFlags& layers,
                                            bool drill);
