#pragma once
// Which records of a store may touch a rectangle, without visiting every record.
//
// The index files slot numbers in a grid of buckets over drawing units. It keeps itself in step
// with its store instead of relying on every editing path to report its changes: each refresh
// takes a cheap fingerprint of every record and files again only the records whose fingerprint
// differs from the one seen last. A record changed by any path (an edit, undo, a file read, a
// paste, a painter storing a measured width) has its extent taken again before the next query.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// A box in drawing units, edges included; left <= right and top <= bottom.
struct ExtentBox {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool meets(const ExtentBox& other) const
    {
        return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
    }
};

// What a store tells the index about one record.
struct SlotExtent {
    enum class Reach : uint8_t {
        kNothing,    // draws nothing (a deleted slot)
        kBox,        // draws inside `box`
        kAnywhere,   // its reach is not known without drawing it: always a candidate
    };
    Reach reach = Reach::kNothing;
    ExtentBox box{};

    static SlotExtent nothing() { return {}; }
    static SlotExtent anywhere() { return {Reach::kAnywhere, {}}; }
    static SlotExtent inside(const ExtentBox& box) { return {Reach::kBox, box}; }
};

// Fingerprints for stores: a record's words, then whatever heap data its extent depends on.
uint64_t FingerprintWords(std::span<const int32_t> words, uint64_t seed = 0);
uint64_t FingerprintBytes(std::string_view bytes, uint64_t seed = 0);

class ExtentIndex {
public:
    // Brings the index up to date with slots 1..count of a store: `fingerprint(slot)` returns a
    // value that changes whenever the record's extent may have changed, `extent(slot)` its
    // SlotExtent. Slots above count are forgotten.
    template <class Fingerprint, class Extent>
    void refresh(int count, Fingerprint&& fingerprint, Extent&& extent);

    // Appends to `slots` every slot 1..count whose box meets `area` and every slot whose reach is
    // unknown, each once and in ascending order (painting order is slot order).
    void query(const ExtentBox& area, std::vector<int>& slots);

    // Forgets every record, as for a new document or when extents depend on a changed scale.
    void clear();

    int count() const { return static_cast<int>(entries_.size()) - 1; }

private:
    struct Entry {
        uint64_t fingerprint = 0;
        SlotExtent extent;
        bool known = false;
        bool filed = false;   // filed in cells_ (else, if a box, in wide_)
    };
    struct CellRange {
        int64_t col0, row0, col1, row1;
    };

    void resize(int count);
    void update(int slot, uint64_t fingerprint, const SlotExtent& extent);
    void file(int slot);
    void unfile(int slot);
    void rebuildGrid();
    CellRange cellsOf(const ExtentBox& box) const;
    static void eraseSlot(std::vector<int>& list, int slot);

    std::vector<Entry> entries_{1};      // entries_[slot]; slot 0 unused
    std::vector<std::vector<int>> cells_; // slot lists per cell, row by row
    std::vector<int> wide_;              // boxes spanning too many cells to file
    std::vector<int> anywhere_;          // slots whose reach is unknown
    std::vector<uint32_t> seen_;         // query stamp per slot, so a slot is listed once
    uint32_t stamp_ = 0;
    int64_t originX_ = 0, originY_ = 0;
    int shift_ = 0;                      // a cell is 2^shift_ units square
    int64_t cols_ = 0, rows_ = 0;
    int changedSinceGrid_ = 0;          // records filed one by one since the grid was laid out
    bool gridValid_ = false;
};

template <class Fingerprint, class Extent>
void ExtentIndex::refresh(int count, Fingerprint&& fingerprint, Extent&& extent)
{
    resize(count < 0 ? 0 : count);
    for (int slot = 1; slot <= count; ++slot) {
        const uint64_t print = fingerprint(slot);
        const Entry& entry = entries_[static_cast<size_t>(slot)];
        if (!entry.known || entry.fingerprint != print)
            update(slot, print, extent(slot));
    }
    if (!gridValid_)
        rebuildGrid();
}
