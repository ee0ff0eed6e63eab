// What one layer's film is made of: a part's silk screen carries its package's drawing and
// texts, never the "p?" name placeholder; the outline film bends the board edge's arcs as the
// view draws them.
#include "tracelyn/route/photoplot_fixture.h"

#include "tracelyn/core/outline_editing.h"
#include "tracelyn/route/layer_artwork.h"

#include <array>
#include <vector>

namespace photoplot_test {
namespace {

// Counts the strokes a layer's walk hands over.
class StrokeCount : public ArtworkSink {
public:
    void line(int, int, int, int, int) override { ++strokes; }
    void cornerArc(int x1, int y1, int x2, int y2, int) override
    {
        ++strokes;
        arcs.push_back({x1, y1, x2, y2});
    }
    void arc(int, int, int, int, int) override { ++strokes; }
    void flash(int, int, const Aperture&) override {}
    void region(std::span<const int32_t>) override {}
    int strokes = 0;
    std::vector<std::array<int, 4>> arcs;
};

int silkStrokes()
{
    StrokeCount count;
    WalkLayerArtwork(kLayerSilkTop, count);
    return count.strokes;
}

TEST_F(PhotoplotTest, SilkScreenLeavesTheNamePlaceholderOut)
{
    const int part = placePartWithPlaceholder(0, 0);
    const int withMarker = silkStrokes();
    // The same drawing with the placeholder's string blanked (blanks only advance the pen):
    // nothing of "p?" was plotted.
    const int package = g_board.objects[part].package();
    const int first = g_packages.defs[static_cast<size_t>(package)].firstObject();
    int blanked = 0;
    for (int i = first; i < first + g_packages.defs[static_cast<size_t>(package)].objectCount(); ++i) {
        BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
        if (o.kind() == kKindText && o.text() != nullptr && std::string_view(o.text()) == "p?") {
            o.text()[0] = o.text()[1] = ' ';
            ++blanked;
        }
    }
    ASSERT_EQ(blanked, 1);
    EXPECT_EQ(silkStrokes(), withMarker);
    EXPECT_GT(withMarker, 1) << "the line and the text NOTE are plotted";
}

TEST_F(PhotoplotTest, OutlineArcsBendAsTheViewDrawsThem)
{
    int32_t* s = g_board.objects[1].points();
    const int32_t edge[4][5] = {{-17000, 0, 0, -17000, kSegmentArc}, {17000, 0, 0, -17000, kSegmentArcReversed},
                                {17000, 0, 17000, 17000, kSegmentLine}, {17000, 17000, -17000, 0, 7}};
    for (int k = 0; k < 4; ++k)
        std::copy(std::begin(edge[k]), std::end(edge[k]), s + k * kSegmentWords);
    StrokeCount count;
    WalkLayerArtwork(kLayerOutline, count);
    EXPECT_EQ(count.strokes, 4);
    // Each arc from the end the view's corner arc starts at: the quarter circle about the
    // board's centre, and the reversed one about the other corner.
    EXPECT_EQ(count.arcs, (std::vector<std::array<int, 4>>{{-17000, 0, 0, -17000}, {0, -17000, 17000, 0}}));
}

}  // namespace
}  // namespace photoplot_test
