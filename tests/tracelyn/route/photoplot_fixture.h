#pragma once
// Manufacturing-file tests: the example board or a board with every pad shape, rotated parts
// and stroke text in a fresh document, a temporary folder, and gerbv as the independent reader
// of what is written (its exit code says nothing: errors and warnings go to stderr).

#include "tracelyn/core/example_board.h"

#include "platform/gdi/raster_dc.h"
#include "support/temp_folder.h"
#include "tracelyn/route/layer_artwork.h"
#include "tracelyn/route/photoplot_files.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace photoplot_test {

using paint_test::object;
using paint_test::px;
using paint_test::py;

struct ToolRun {
    int status = -1;
    std::string errors;     // stderr
};

inline bool haveGerbv()
{
    return std::system("command -v gerbv >/dev/null 2>&1") == 0;
}

inline std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs gerbv with arguments inside a folder; stderr is kept.
inline ToolRun runGerbv(const quill_test::TempFolder& folder, const std::string& arguments)
{
    const std::string errors = folder.file("gerbv.err");
    const std::string command = "cd '" + folder.path().string() + "' && gerbv " + arguments + " 2>'" + errors + "' >/dev/null";
    ToolRun run;
    run.status = std::system(command.c_str());
    run.errors = fileText(errors);
    return run;
}

class PhotoplotTest : public paint_test::PaintTest {
protected:
    void buildExample()
    {
        paint_test::buildExampleBoard(*this, [this](const BoardObject& o) { return add(o); });
    }

    // A part whose package carries a silk line, a silk text "NOTE" and the "p?" name placeholder.
    int placePartWithPlaceholder(int32_t x, int32_t y)
    {
        BoardObject note = object(kKindText, kLayerSilkTop, {px(0), py(300), 0x301, 0, 0, 0, 0, 0});
        note.data = StrDupChecked("NOTE");
        BoardObject placeholder = object(kKindText, kLayerSilkTop, {px(0), py(-300), 0x301, 0, 0, 0, 0, 0});
        placeholder.data = StrDupChecked("p?");
        const int package = paint_test::addPackage(
            "LIB\\MARKED", {object(kKindLine, kLayerSilkTop, {px(-300), py(0), px(300), py(0), 0, 0, 0, 80}), note,
                            placeholder});
        return addPart("R", package, kLayerTop, x, y);
    }

    // Every pad shape on the board and in a package, the package placed turned by quarters and
    // by 30 degrees, and text straight, turned and mirrored.
    void buildEveryShape()
    {
        std::vector<BoardObject> pads;
        for (int shape = 0; shape <= 7; ++shape)
            pads.push_back(object(kKindPad, shape == kPadRect ? kLayerTop : kLayerAll,
                                  {px(shape * 1200), py(0), 700, 500, 0, shape, shape == kPadRect ? 0 : 300, 0}));
        pads.push_back(object(kKindLine, kLayerSilkTop, {px(-600), py(-800), px(9000), py(-800), 0, 0, 0, 80}));
        const int package = paint_test::addPackage("LIB\\ROW8", pads);
        const int32_t rotations[] = {0, 900, 300, 1800};
        for (int k = 0; k < 4; ++k) {
            BoardObject part = object(kKindPart + package, k == 1 ? kLayerAll : kLayerTop,
                                      {-12000, -12000 + k * 5000, -10600, -5800, 0, -1, rotations[k], k + 1});
            part.data = StrDupChecked("J");
            add(part);
        }
        for (int shape = 0; shape <= 7; ++shape)
            add(object(kKindPad, kLayerTop, {-12000 + shape * 1500, 9000, 800, 600, 0, shape | (shape == 2 ? 450 << 3 : 0), shape == kPadRect ? 0 : 250, 0}));
        add(paint_test::textObject(kLayerTop, -12000, 12500, 0x401, "Top 0123"));
        BoardObject turned = paint_test::textObject(kLayerTop, 6000, 12500, 0x401, "Turned");
        turned.w[3] = 900;
        add(turned);
        BoardObject mirrored = paint_test::textObject(kLayerTop, 14000, 6000, 0x401, "Mirror");
        mirrored.w[3] = 0x1000;
        add(mirrored);
        add(object(kKindLine, kLayerTop, {8000, -14000, 14000, -14000, 0, 0, 0, 120}));
        add(object(kKindArc, kLayerTop, {8000, -12000, 12000, -8000, 0, 0, 0, 120}));
    }

    static GerberLayerFlags allLayers()
    {
        GerberLayerFlags flags;
        for (int layer = 0; layer < 33; ++layer)
            flags.on[static_cast<size_t>(layer)] = IsPlotLayer(layer) ? 1 : 0;
        return flags;
    }

    quill_test::TempFolder folder;
};

}  // namespace photoplot_test
