#pragma once
// Which records of a store may touch a rectangle, without visiting every record.
//
// The index files slot numbers in a grid of buckets over drawing units. It keeps itself in step
// with its store instead of relying on every editing path to report its changes: each refresh
// takes a cheap fingerprint of every record and files again only the records whose fingerprint
// differs from the one seen last. A record changed by any path (an edit, undo, a file read, a
// paste, a painter storing a measured width) has its extent taken again before the next query.

#include <algorithm>
#include <cstdint>
#include <cstring>
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
// Every step is a bijection of the running value, so records that differ in a single word (or
// byte strings of one length that differ in a single byte) never share a fingerprint. Inline,
// because a refresh takes one per record.
namespace extent_print {
inline constexpr uint64_t kOffset = 0xcbf29ce484222325ull;
inline constexpr uint64_t kPrime = 0x100000001b3ull;
inline uint64_t step(uint64_t print, uint64_t chunk) { return (print ^ chunk) * kPrime; }
// Eight bytes at `from` as one chunk (a single load; the byte order only packs them differently).
inline uint64_t chunkAt(const void* from)
{
    uint64_t chunk = 0;
    std::memcpy(&chunk, from, sizeof chunk);
    return chunk;
}
}  // namespace extent_print

inline uint64_t FingerprintWords(std::span<const int32_t> words, uint64_t seed = 0)
{
    // Two words a step: half the chain of multiplies, and few instructions per record, which is
    // what a refresh over a whole store spends its time on.
    using namespace extent_print;
    uint64_t print = (kOffset ^ seed) + words.size();
    size_t i = 0;
    for (; i + 2 <= words.size(); i += 2)
        print = step(print, chunkAt(words.data() + i));
    if (i < words.size())
        print = step(print, static_cast<uint32_t>(words[i]));
    return print;
}

inline uint64_t FingerprintBytes(std::string_view bytes, uint64_t seed = 0)
{
    // Eight bytes a step; the last step takes what is left, padded with zeros (the length, in
    // the starting value, tells a padded string from one with zeros of its own).
    using namespace extent_print;
    uint64_t print = (kOffset ^ seed) + bytes.size();
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8)
        print = step(print, chunkAt(bytes.data() + i));
    if (i < bytes.size()) {
        uint64_t chunk = 0;
        for (size_t k = 0; i + k < bytes.size(); ++k)
            chunk |= uint64_t{static_cast<unsigned char>(bytes[i + k])} << (8 * k);
        print = step(print, chunk);
    }
    return print;
}

class ExtentIndex {
public:
    // Brings the index up to date with slots 1..count of a store: `fingerprint(slot)` returns a
    // value that changes whenever the record's extent may have changed, `extent(slot)` its
    // SlotExtent. Slots above count are forgotten.
    template <class Fingerprint, class Extent>
    void refresh(int count, Fingerprint&& fingerprint, Extent&& extent);

    // Files one slot with `extent` at once, for a pass that edits a store itself and so knows
    // which records it changed: no walk over the others. A slot past the count grows the index
    // (the slots between reach nothing until set). An index kept this way is not refreshed.
    void set(int slot, const SlotExtent& extent);

    // Appends to `slots` every slot 1..count whose box meets `area` and every slot whose reach is
    // unknown, each once and in ascending order (painting order is slot order).
    void query(const ExtentBox& area, std::vector<int>& slots);

    // Forgets every record, as for a new document or when extents depend on a changed scale.
    void clear();

    int count() const { return static_cast<int>(entries_.size()) - 1; }

private:
    struct Entry {
        SlotExtent extent;       // nothing until the slot is first refreshed
        bool filed = false;      // filed in cells_ (else, if a box, in wide_)
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
    void mark(int slot)
    {
        uint64_t& word = marks_[static_cast<size_t>(slot) >> 6];
        if (word == 0)
            touched_.push_back(static_cast<size_t>(slot) >> 6);
        word |= uint64_t{1} << (slot & 63);
    }
    void takeMarked(std::vector<int>& slots);

    // Per slot, slot 0 unused. The fingerprints are kept apart from the extents: a refresh reads
    // every fingerprint and hardly ever an extent.
    std::vector<uint64_t> prints_{0};
    std::vector<Entry> entries_{1};
    int refreshed_ = 0;                  // slots 1..refreshed_ hold a fingerprint and extent
    std::vector<std::vector<int>> cells_; // slot lists per cell, row by row
    std::vector<int> wide_;              // boxes spanning too many cells to file
    std::vector<int> anywhere_;          // slots whose reach is unknown
    std::vector<uint64_t> marks_;        // one bit per slot, set while a query collects; else 0
    std::vector<size_t> touched_;        // the words of marks_ a query has set bits in
    int64_t originX_ = 0, originY_ = 0;
    int shift_ = 0;                      // a cell is 2^shift_ units square
    int64_t cols_ = 0, rows_ = 0;
    int changedSinceGrid_ = 0;          // records filed one by one since the grid was laid out
    bool gridValid_ = false;
};

template <class Fingerprint, class Extent>
void ExtentIndex::refresh(int count, Fingerprint&& fingerprint, Extent&& extent)
{
    count = count < 0 ? 0 : count;
    resize(count);
    const int known = std::min(refreshed_, count);
    for (int slot = 1; slot <= known; ++slot) {
        const uint64_t print = fingerprint(slot);
        if (prints_[static_cast<size_t>(slot)] != print)
            update(slot, print, extent(slot));
    }
    for (int slot = known + 1; slot <= count; ++slot)
        update(slot, fingerprint(slot), extent(slot));
    refreshed_ = count;
    if (!gridValid_)
        rebuildGrid();
}
