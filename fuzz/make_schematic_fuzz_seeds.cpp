// Writes the schematic clipboard seed through the schematic program's own block writer.
//
//   make_schematic_fuzz_seeds SEED_FOLDER

#include "schemora/core/clipboard_records.h"
#include "schemora/core/draw_object.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

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
    std::ofstream out(folder / "block", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
    return out ? 0 : 1;
}
