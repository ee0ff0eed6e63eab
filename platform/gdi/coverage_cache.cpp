#include "platform/gdi/coverage_cache.h"

#include <algorithm>
#include <utility>

namespace plat::gdi {

namespace {

uint32_t tagOf(uint64_t hash) { return static_cast<uint32_t>(hash >> 32); }

}  // namespace

uint64_t CoverageCache::hashOf(std::span<const int> key)
{
    // Two ints per multiply, then a final mix so that the low bits (the slot) depend on all.
    uint64_t h = 0x9E3779B97F4A7C15ull ^ key.size();
    size_t i = 0;
    for (; i + 1 < key.size(); i += 2)
        h = (h ^ (uint64_t{static_cast<uint32_t>(key[i])} << 32 | static_cast<uint32_t>(key[i + 1]))) * 0x100000001B3ull;
    if (i < key.size())
        h = (h ^ static_cast<uint32_t>(key[i])) * 0x100000001B3ull;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    return h;
}

size_t CoverageCache::entryBytes(size_t keyLength, const ShapeCoverage& c)
{
    return c.bytes() + keyLength * sizeof(int) + sizeof(Entry) + 2 * sizeof(uint64_t);
}

CoverageCache::Entry::Entry(uint64_t h, std::span<const int> key, ShapeCoverage c)
    : hash(h), keyLength(static_cast<uint32_t>(key.size())), coverage(std::move(c))
{
    if (key.size() <= kInlineKey)
        std::copy(key.begin(), key.end(), shortKey.begin());
    else
        longKey.assign(key.begin(), key.end());
}

const ShapeCoverage* CoverageCache::find(std::span<const int> key)
{
    const uint64_t hash = hashOf(key);
    if (Entry* e = young_.find(hash, key))
        return &e->coverage;
    Entry* old = old_.find(hash, key);
    if (old == nullptr)
        return nullptr;
    return &insert(hash, key, old_.take(*old));
}

const ShapeCoverage& CoverageCache::insert(std::span<const int> key, ShapeCoverage coverage)
{
    return insert(hashOf(key), key, std::move(coverage));
}

const ShapeCoverage& CoverageCache::insert(uint64_t hash, std::span<const int> key, ShapeCoverage coverage)
{
    const size_t size = entryBytes(key.size(), coverage);
    if (young_.bytes() + size > budget_ / 2) {
        old_ = std::move(young_);
        young_ = Generation();
    }
    return young_.add(hash, key, std::move(coverage)).coverage;
}

void CoverageCache::setBudget(size_t bytes)
{
    budget_ = bytes;
    young_ = Generation();
    old_ = Generation();
}

CoverageCache::Entry* CoverageCache::Generation::find(uint64_t hash, std::span<const int> key)
{
    if (slots_.empty())
        return nullptr;
    const size_t mask = slots_.size() - 1;
    const uint32_t tag = tagOf(hash);
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (s.entry == 0)
            return nullptr;
        if (s.tag != tag)
            continue;
        Entry& e = entries_[s.entry - 1];
        if (!e.taken && e.hash == hash && e.keyLength == key.size() && std::ranges::equal(e.key(), key))
            return &e;
    }
}

CoverageCache::Entry& CoverageCache::Generation::add(uint64_t hash, std::span<const int> key, ShapeCoverage coverage)
{
    bytes_ += entryBytes(key.size(), coverage);
    entries_.emplace_back(hash, key, std::move(coverage));
    // Kept at most half full, so that a probe for a missing key ends within a few slots.
    if ((entries_.size() + 1) * 2 > slots_.size())
        grow();
    else
        place(hash, static_cast<uint32_t>(entries_.size()));
    return entries_.back();
}

// A coverage taken into the young generation: its slot stays (so probes past it still reach
// later keys) but never matches again. The entry itself stays until the generation is dropped,
// so only the coverage's own bytes leave the count.
ShapeCoverage CoverageCache::Generation::take(Entry& e)
{
    bytes_ -= std::min(bytes_, e.coverage.bytes());
    e.taken = true;
    return std::exchange(e.coverage, ShapeCoverage());
}

void CoverageCache::Generation::grow()
{
    slots_.assign(std::max<size_t>(64, slots_.size() * 2), Slot{});
    for (size_t i = 0; i < entries_.size(); ++i)
        place(entries_[i].hash, static_cast<uint32_t>(i + 1));
}

void CoverageCache::Generation::place(uint64_t hash, uint32_t entry)
{
    const size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    while (slots_[i].entry != 0)
        i = (i + 1) & mask;
    slots_[i] = Slot{tagOf(hash), entry};
}

}  // namespace plat::gdi
