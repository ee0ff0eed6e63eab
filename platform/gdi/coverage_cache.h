#pragma once
// Coverages kept between repaints, found by a key of ints (internal to platform/gdi). A repaint
// of a busy view looks up tens of thousands of small shapes, nearly all of them found, so a
// lookup is one probe into a flat table of hash tags, and the entry itself is touched only when
// its tag matches.
//
// Entries live in two generations: new ones go into the young one, and when it has used half the
// budget the old one is dropped and the young one becomes old. A coverage found in the old
// generation moves back into the young one, so what every repaint uses survives, and the memory
// held stays below the budget.

#include "platform/gdi/shape_coverage.h"

#include <array>
#include <cstddef>
#include <deque>
#include <cstdint>
#include <span>
#include <vector>

namespace plat::gdi {

class CoverageCache {
public:
    explicit CoverageCache(size_t budget) : budget_(budget) {}

    // The key buffer callers fill before a lookup; reused, so that a hit allocates nothing.
    std::vector<int>& key()
    {
        key_.clear();
        return key_;
    }
    // The coverage kept under `key`, or null. It stays valid until the next find or insert.
    const ShapeCoverage* find(std::span<const int> key);
    // Keeps `coverage` under `key` (not already kept) and returns it.
    const ShapeCoverage& insert(std::span<const int> key, ShapeCoverage coverage);

    size_t bytes() const { return young_.bytes() + old_.bytes(); }
    size_t entries() const { return young_.size() + old_.size(); }
    // Empties the cache.
    void setBudget(size_t bytes);

private:
    // A key of most shapes fits in the entry itself, next to its hash, so that telling it
    // apart reads no other memory; longer keys (texts, polylines) are kept beside it.
    static constexpr size_t kInlineKey = 24;
    struct Entry {
        uint64_t hash = 0;
        uint32_t keyLength = 0;
        bool taken = false;          // moved into the young generation
        std::array<int, kInlineKey> shortKey{};
        std::vector<int> longKey;
        ShapeCoverage coverage;

        Entry(uint64_t h, std::span<const int> key, ShapeCoverage c);
        std::span<const int> key() const
        {
            return {keyLength <= kInlineKey ? shortKey.data() : longKey.data(), keyLength};
        }
    };

    // One generation: its entries, and open-addressed slots that name them by index, each with
    // the high half of its entry's hash, so a probe past other keys stays within the slots.
    class Generation {
    public:
        Entry* find(uint64_t hash, std::span<const int> key);
        Entry& add(uint64_t hash, std::span<const int> key, ShapeCoverage coverage);
        ShapeCoverage take(Entry& e);
        size_t bytes() const { return bytes_; }
        size_t size() const { return entries_.size(); }

    private:
        struct Slot {
            uint32_t tag = 0;
            uint32_t entry = 0;      // index + 1; 0 is a free slot
        };
        void grow();
        void place(uint64_t hash, uint32_t entry);

        std::deque<Entry> entries_;      // a deque: adding an entry moves none of the others
        std::vector<Slot> slots_;
        size_t bytes_ = 0;
    };

    const ShapeCoverage& insert(uint64_t hash, std::span<const int> key, ShapeCoverage coverage);
    static uint64_t hashOf(std::span<const int> key);
    static size_t entryBytes(size_t keyLength, const ShapeCoverage& c);

    std::vector<int> key_;
    Generation young_, old_;
    size_t budget_;
};

}  // namespace plat::gdi
