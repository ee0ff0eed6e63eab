// What one layer's film is made of: a part's silk screen carries its package's drawing and
// texts, never the "p?" name placeholder.
#include "tracelyn/route/photoplot_fixture.h"

#include "tracelyn/route/layer_artwork.h"

namespace photoplot_test {
namespace {

// Counts the strokes a layer's walk hands over.
class StrokeCount : public ArtworkSink {
public:
    void line(int, int, int, int, int) override { ++strokes; }
    void cornerArc(int, int, int, int, int) override { ++strokes; }
    void arc(int, int, int, int, int) override { ++strokes; }
    void flash(int, int, const Aperture&) override {}
    void region(std::span<const int32_t>) override {}
    int strokes = 0;
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
    // The same drawing with the placeholder's string emptied: nothing of "p?" was plotted.
    const int package = g_board.objects[part].package();
    const int first = g_packages.defs[static_cast<size_t>(package)].firstObject();
    int emptied = 0;
    for (int i = first; i < first + g_packages.defs[static_cast<size_t>(package)].objectCount(); ++i) {
        BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
        if (o.kind() == kKindText && o.text() != nullptr && std::string_view(o.text()) == "p?") {
            o.text()[0] = '\0';
            ++emptied;
        }
    }
    ASSERT_EQ(emptied, 1);
    EXPECT_EQ(silkStrokes(), withMarker);
    EXPECT_GT(withMarker, 1) << "the line and the text NOTE are plotted";
}

}  // namespace
}  // namespace photoplot_test
