// The table of kept coverages: every key finds what was kept under it and nothing else, through
// growth, generations and keys that share slots.
#include "platform/gdi/coverage_cache.h"

#include <gtest/gtest.h>

#include <vector>

namespace plat::gdi {
namespace {

// A coverage told apart by its box.
ShapeCoverage marked(int id, int rows = 1)
{
    ShapeCoverage c;
    c.box = QRect(id, 0, 1, rows);
    c.rowStart.assign(size_t(rows) + 1, 0);
    return c;
}

std::vector<int> keyOf(int a, int b, size_t length = 6)
{
    std::vector<int> key(length, 7);
    key[0] = a;
    key[length - 1] = b;
    return key;
}

TEST(CoverageCache, EachKeyFindsItsOwnCoverageThroughGrowth)
{
    CoverageCache cache(size_t{1} << 30);
    constexpr int kCount = 5000;
    for (int i = 0; i < kCount; ++i) {
        ASSERT_EQ(cache.find(keyOf(i, -i)), nullptr);
        cache.insert(keyOf(i, -i), marked(i));
    }
    EXPECT_EQ(cache.entries(), size_t{kCount});
    for (int i = 0; i < kCount; ++i) {
        const ShapeCoverage* c = cache.find(keyOf(i, -i));
        ASSERT_NE(c, nullptr) << i;
        EXPECT_EQ(c->box.left(), i);
    }
    // Keys one int apart, one shorter or longer, or empty, are other keys.
    EXPECT_EQ(cache.find(keyOf(3, -4)), nullptr);
    EXPECT_EQ(cache.find(keyOf(3, -3, 5)), nullptr);
    EXPECT_EQ(cache.find(keyOf(3, -3, 7)), nullptr);
    EXPECT_EQ(cache.find(std::vector<int>{}), nullptr);
    // Keys longer than an entry holds in itself (a text's, a polyline's).
    for (int i = 0; i < 100; ++i)
        cache.insert(keyOf(i, -i, 40), marked(10000 + i));
    for (int i = 0; i < 100; ++i) {
        ASSERT_NE(cache.find(keyOf(i, -i, 40)), nullptr);
        EXPECT_EQ(cache.find(keyOf(i, -i, 40))->box.left(), 10000 + i);
        EXPECT_EQ(cache.find(keyOf(i, i + 1, 40)), nullptr);
        EXPECT_EQ(cache.find(keyOf(i, -i))->box.left(), i);
    }
    cache.insert(std::vector<int>{}, marked(-1));
    ASSERT_NE(cache.find(std::vector<int>{}), nullptr);
    EXPECT_EQ(cache.find(std::vector<int>{})->box.left(), -1);
}

TEST(CoverageCache, WhatEveryRepaintUsesSurvivesTheGenerations)
{
    // Room for a few dozen entries per generation.
    const size_t entry = marked(0, 100).bytes() + 6 * sizeof(int) + 400;
    CoverageCache cache(entry * 60);
    cache.insert(keyOf(-1, 0), marked(-1, 100));
    for (int i = 0; i < 2000; ++i) {
        cache.insert(keyOf(i, i), marked(i, 100));
        EXPECT_LE(cache.bytes(), entry * 60);
        // The coverage a repaint uses every time is found, whichever generation holds it.
        const ShapeCoverage* used = cache.find(keyOf(-1, 0));
        ASSERT_NE(used, nullptr) << i;
        EXPECT_EQ(used->box.left(), -1);
    }
    // Long gone from both generations: made again by the caller.
    EXPECT_EQ(cache.find(keyOf(0, 0)), nullptr);
    // The latest are kept.
    ASSERT_NE(cache.find(keyOf(1999, 1999)), nullptr);
    EXPECT_EQ(cache.find(keyOf(1999, 1999))->box.left(), 1999);
    cache.setBudget(entry * 60);
    EXPECT_EQ(cache.bytes(), 0u);
    EXPECT_EQ(cache.find(keyOf(-1, 0)), nullptr);
}

}  // namespace
}  // namespace plat::gdi
