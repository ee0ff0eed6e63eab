#include "common/extent_index.h"

#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// A stand-in store: one box and a "reach" per slot, changed behind the index's back as an
// editing path would, then brought in through refresh.
struct FakeStore {
    std::vector<SlotExtent> records{1};

    int count() const { return static_cast<int>(records.size()) - 1; }
    void refresh(ExtentIndex& index) const
    {
        index.refresh(count(),
                      [&](int slot) {
                          const SlotExtent& r = records[static_cast<size_t>(slot)];
                          const int32_t words[] = {static_cast<int32_t>(r.reach), r.box.left, r.box.top, r.box.right,
                                                   r.box.bottom};
                          return FingerprintWords(words);
                      },
                      [&](int slot) { return records[static_cast<size_t>(slot)]; });
    }
    std::vector<int> expected(const ExtentBox& area) const
    {
        std::vector<int> slots;
        for (int slot = 1; slot <= count(); ++slot) {
            const SlotExtent& r = records[static_cast<size_t>(slot)];
            if (r.reach == SlotExtent::Reach::kAnywhere || (r.reach == SlotExtent::Reach::kBox && r.box.meets(area)))
                slots.push_back(slot);
        }
        return slots;
    }
};

ExtentBox boxAt(int32_t x, int32_t y, int32_t w, int32_t h)
{
    return {x, y, static_cast<int32_t>(int64_t{x} + w), static_cast<int32_t>(int64_t{y} + h)};
}

SlotExtent randomRecord(std::mt19937& random, int32_t spread)
{
    std::uniform_int_distribution<int> pick(0, 99);
    std::uniform_int_distribution<int32_t> place(-spread, spread);
    std::uniform_int_distribution<int32_t> size(0, spread / 50 + 1);
    const int kind = pick(random);
    if (kind < 3)
        return SlotExtent::nothing();
    if (kind < 5)
        return SlotExtent::anywhere();
    if (kind < 7)   // wide: an outline or a long bus
        return SlotExtent::inside(boxAt(-spread, place(random) / 2, spread, spread / 4));
    return SlotExtent::inside(boxAt(place(random) / 2, place(random) / 2, size(random), size(random)));
}

void expectQueriesMatch(ExtentIndex& index, const FakeStore& store, std::mt19937& random, int32_t spread)
{
    std::uniform_int_distribution<int32_t> place(-spread, spread);
    std::uniform_int_distribution<int32_t> size(0, spread / 4 + 1);
    std::vector<ExtentBox> areas = {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {0, 0, 0, 0},
                                    {INT32_MAX - 10, INT32_MAX - 10, INT32_MAX, INT32_MAX}};
    for (int i = 0; i < 40; ++i)
        areas.push_back(boxAt(place(random) / 2, place(random) / 2, size(random), size(random)));
    for (const ExtentBox& area : areas) {
        SCOPED_TRACE(testing::Message() << "area " << area.left << "," << area.top << " - " << area.right << ","
                                        << area.bottom);
        std::vector<int> slots = {-7};   // what is already there stays first
        index.query(area, slots);
        ASSERT_FALSE(slots.empty());
        EXPECT_EQ(slots.front(), -7);
        slots.erase(slots.begin());
        EXPECT_EQ(slots, store.expected(area));
    }
}

}  // namespace

// Whatever happens to the store between refreshes — records moved, deleted, grown across the whole
// coordinate range, the store shrinking and growing — every query lists exactly the slots a walk
// over all records would find, in slot order, each once.
TEST(ExtentIndex, QueriesListWhatAWalkOverEveryRecordFinds)
{
    for (const int32_t spread : {1000, 1 << 20, INT32_MAX}) {
        SCOPED_TRACE(spread);
        std::mt19937 random(static_cast<uint32_t>(spread));
        FakeStore store;
        ExtentIndex index;
        for (int i = 0; i < 3000; ++i)
            store.records.push_back(randomRecord(random, spread));
        store.refresh(index);
        expectQueriesMatch(index, store, random, spread);

        // A few edits (filed one by one), then many (the grid is laid out again).
        for (const int edits : {5, 100, 2000}) {
            SCOPED_TRACE(edits);
            std::uniform_int_distribution<int> slot(1, store.count());
            for (int i = 0; i < edits; ++i)
                store.records[static_cast<size_t>(slot(random))] = randomRecord(random, spread);
            store.refresh(index);
            expectQueriesMatch(index, store, random, spread);
        }
        // Moved far outside the extent the grid was laid out for.
        store.records[10] = SlotExtent::inside({INT32_MAX - 5, INT32_MIN, INT32_MAX, INT32_MIN + 5});
        store.records[11] = SlotExtent::inside({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
        store.refresh(index);
        expectQueriesMatch(index, store, random, spread);

        store.records.resize(1200);
        store.refresh(index);
        expectQueriesMatch(index, store, random, spread);
        for (int i = 0; i < 50; ++i)
            store.records.push_back(randomRecord(random, spread));
        store.refresh(index);
        expectQueriesMatch(index, store, random, spread);
    }
}

// An index kept by a pass that files each record it changes itself (set) answers as one
// refreshed over the whole store: records moved, deleted, appended past the count, many at once.
TEST(ExtentIndex, RecordsSetOneByOneQueryAsAWalkWould)
{
    std::mt19937 random(7);
    constexpr int32_t kSpread = 1 << 20;
    FakeStore store;
    ExtentIndex index;
    for (int i = 0; i < 2000; ++i) {
        store.records.push_back(randomRecord(random, kSpread));
        index.set(store.count(), store.records.back());
    }
    expectQueriesMatch(index, store, random, kSpread);
    for (const int edits : {5, 3000}) {
        SCOPED_TRACE(edits);
        std::uniform_int_distribution<int> slot(1, store.count());
        for (int i = 0; i < edits; ++i) {
            const int k = slot(random);
            store.records[static_cast<size_t>(k)] = randomRecord(random, kSpread);
            index.set(k, store.records[static_cast<size_t>(k)]);
        }
        expectQueriesMatch(index, store, random, kSpread);
    }
    // A record appended two past the count: the slot between reaches nothing until set.
    store.records.push_back(SlotExtent::nothing());
    store.records.push_back(SlotExtent::inside({0, 0, 5, 5}));
    index.set(store.count(), store.records.back());
    EXPECT_EQ(index.count(), store.count());
    expectQueriesMatch(index, store, random, kSpread);
    index.set(0, SlotExtent::anywhere());   // no slot 0: nothing happens
    expectQueriesMatch(index, store, random, kSpread);
}

TEST(ExtentIndex, EmptyAndClearedIndexesListNothing)
{
    ExtentIndex index;
    std::vector<int> slots;
    index.query({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, slots);
    EXPECT_TRUE(slots.empty());

    FakeStore store;
    store.records.push_back(SlotExtent::inside({0, 0, 10, 10}));
    store.records.push_back(SlotExtent::inside({10, 0, 0, 10}));   // edges given the wrong way round
    store.refresh(index);
    index.query({5, 5, 5, 5}, slots);
    EXPECT_EQ(slots, (std::vector<int>{1, 2}));

    index.clear();
    slots.clear();
    index.query({5, 5, 5, 5}, slots);
    EXPECT_TRUE(slots.empty());
    EXPECT_EQ(index.count(), 0);
}

TEST(ExtentIndex, FingerprintsTellRecordsApart)
{
    // A change of any one word, of records of every length (words are taken two at a time, an
    // odd one last), gives another fingerprint.
    for (size_t length = 1; length <= 15; ++length) {
        SCOPED_TRACE(testing::Message() << length << " words");
        const std::vector<int32_t> words(length, 0);
        const uint64_t base = FingerprintWords(words);
        for (size_t i = 0; i < words.size(); ++i)
            for (const int32_t value : {1, -1, INT32_MIN, 1 << 16}) {
                std::vector<int32_t> changed = words;
                changed[i] = value;
                EXPECT_NE(FingerprintWords(changed), base) << "word " << i << " = " << value;
            }
    }
    // So does a change of any byte of a string of any length (eight bytes a step, the rest
    // last), of its length, or of the seed.
    for (size_t length = 1; length <= 24; ++length) {
        SCOPED_TRACE(testing::Message() << length << " bytes");
        std::string text;
        for (size_t i = 0; i < length; ++i)
            text.push_back(static_cast<char>('A' + i));
        const uint64_t base = FingerprintBytes(text);
        for (size_t i = 0; i < length; ++i)
            for (const char value : {'\0', 'a', '\xff'}) {
                std::string changed = text;
                changed[i] = value;
                EXPECT_NE(FingerprintBytes(changed), base) << "byte " << i;
            }
        EXPECT_NE(FingerprintBytes(text + '\0'), base) << "a zero byte more";
        EXPECT_NE(FingerprintBytes(std::string_view(text).substr(0, length - 1)), base) << "a byte less";
        EXPECT_NE(FingerprintBytes(text, 1), base) << "another seed";
    }
    EXPECT_NE(FingerprintBytes("R1"), FingerprintBytes("R2"));
    EXPECT_NE(FingerprintBytes(std::string_view("R1\0", 3)), FingerprintBytes("R1"));
    EXPECT_NE(FingerprintBytes("R1", 1), FingerprintBytes("R1", 2));
}
