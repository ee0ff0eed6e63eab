#pragma once
// The design-rule check's view of a board layer: the layer's artwork, as the photoplot puts it
// on film, turned into measurable pieces. Every piece carries the tag its caller gave the
// board object or package record it came from.

#include "tracelyn/route/drc_shapes.h"
#include "tracelyn/route/layer_artwork.h"

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

// The tag of a source's pieces; kLeaveOut drops them.
using ArtworkTagger = std::function<int(const ArtworkSource&)>;
inline constexpr int kLeaveOut = -1;

class ArtworkShapes : public ArtworkSink {
public:
    ArtworkShapes(ShapeSet& shapes, ArtworkTagger tagger) : shapes_(shapes), tagger_(std::move(tagger)) {}

    // The tagger is asked on a source's first piece, so sources that draw nothing get no tag.
    void from(const ArtworkSource& source) override
    {
        source_ = source;
        tagged_ = false;
    }
    void line(int x1, int y1, int x2, int y2, int width) override;
    void cornerArc(int x1, int y1, int x2, int y2, int width) override;
    void arc(int x1, int y1, int x2, int y2, int width) override;
    void flash(int x, int y, const Aperture& aperture) override;
    void region(std::span<const int32_t> points) override;

private:
    bool leftOut()
    {
        if (!tagged_) {
            tag_ = tagger_(source_);
            tagged_ = true;
        }
        return tag_ == kLeaveOut;
    }
    // The quarter turn about (cx, cy) from (x1, y1) to (x2, y2).
    void quarter(double cx, double cy, int x1, int y1, int x2, int y2, int width);

    ShapeSet& shapes_;
    ArtworkTagger tagger_;
    ArtworkSource source_;
    bool tagged_ = true;
    int tag_ = kLeaveOut;
};

// Dense numbers for the sources a walk meets, in the order they are first met.
class ArtworkSourceIds {
public:
    // The source's number; a source met for the first time gets the next one.
    int idOf(const ArtworkSource& source);
    const ArtworkSource& source(int id) const { return sources_[static_cast<size_t>(id)]; }
    int size() const { return static_cast<int>(sources_.size()); }

private:
    std::unordered_map<uint64_t, int> ids_;
    std::vector<ArtworkSource> sources_;
};

// The pieces of `layer` of the current board, each tagged by `tagger`.
void CollectLayerShapes(int layer, ShapeSet& shapes, const ArtworkTagger& tagger);
