#include "engine/random.h"

namespace quorvel {

void RandomGenerator::Seed(unsigned seed) { state_ = seed; }

int RandomGenerator::Next() {
    state_ = static_cast<std::uint32_t>(state_ * 214013u + 2531011u);
    return static_cast<int>((state_ >> 16) & 0x7fffu);
}

int RandomBetween(RandomGenerator& generator, int a, int b) {
    if (a == b) return b;
    if (a > b) return a;
    // The span of two 32-bit ints needs 33 bits; the result stays below b, so it fits again.
    const std::int64_t span = std::int64_t{b} - a;
    return static_cast<int>(a + generator.Next() % span);
}

}  // namespace quorvel
