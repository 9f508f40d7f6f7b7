#pragma once
// The Windows C runtime's 15-bit generator, written out so that a seeded run draws the same
// numbers on every platform and tests can pin exact intervals and points.

#include <cstdint>

namespace quorvel {

class RandomGenerator {
public:
    static constexpr int kMax = 32767;

    void Seed(unsigned seed);
    // The next value, 0 to kMax.
    int Next();

private:
    std::uint32_t state_ = 1;  // the runtime's state before any seeding
};

// b when a == b, a when a > b, otherwise a value from a to b - 1. A draw never exceeds
// a + kMax, so wide ranges are not covered in full.
int RandomBetween(RandomGenerator& generator, int a, int b);

}  // namespace quorvel
