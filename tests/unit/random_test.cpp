#include "engine/random.h"

#include <gtest/gtest.h>

#include <climits>

#include "crt_draws.h"

namespace quorvel::test {
namespace {

TEST(RandomGenerator, GivesTheRuntimeSequence) {
    RandomGenerator seeded;
    seeded.Seed(1);
    for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(seeded.Next(), expected);

    RandomGenerator unseeded;
    EXPECT_EQ(unseeded.Next(), 41) << "an unseeded generator starts as if seeded with 1";

    // A seed with the top bit set wraps the state the same way.
    RandomGenerator large;
    large.Seed(0xfedcba98u);
    CrtDraws expected(0xfedcba98u);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(large.Next(), expected.Next());
}

TEST(RandomBetween, EqualOrReversedBoundsGiveABoundWithoutDrawing) {
    RandomGenerator generator;
    generator.Seed(1);
    EXPECT_EQ(RandomBetween(generator, 5, 5), 5);
    EXPECT_EQ(RandomBetween(generator, 7, 3), 7);
    EXPECT_EQ(RandomBetween(generator, INT_MAX, INT_MIN), INT_MAX);
    EXPECT_EQ(generator.Next(), 41);
}

TEST(RandomBetween, NeverReachesTheUpperBound) {
    RandomGenerator generator;
    generator.Seed(99);
    CrtDraws expected(99);
    bool sawLowest = false;
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(RandomBetween(generator, 0, 1), 0);
        expected.Next();
        const int value = RandomBetween(generator, 1, 100);
        ASSERT_EQ(value, expected.Between(1, 100));
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 99);
        sawLowest = sawLowest || value == 1;
    }
    EXPECT_TRUE(sawLowest);
}

TEST(RandomBetween, WideRangesStopAtFifteenBitsAboveTheLowerBound) {
    RandomGenerator generator;
    generator.Seed(7);
    for (int i = 0; i < 5000; ++i) ASSERT_LE(RandomBetween(generator, 0, 100000), 32767);

    // The full 32-bit span must neither overflow nor go below the lower bound.
    generator.Seed(7);
    CrtDraws expected(7);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(RandomBetween(generator, INT_MIN, INT_MAX), INT_MIN + expected.Next());
    }
    generator.Seed(7);
    expected = CrtDraws(7);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(RandomBetween(generator, INT_MAX - 3, INT_MAX),
                  INT_MAX - 3 + expected.Next() % 3);
    }
}

}  // namespace
}  // namespace quorvel::test
