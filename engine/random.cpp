#include "engine/random.h"

namespace quorvel {

void RandomGenerator::Seed(unsigned seed) { m_state = seed; }

int RandomGenerator::Next() {
    m_state = static_cast<std::uint32_t>(m_state * 214013u + 2531011u);
    return static_cast<int>((m_state >> 16) & 0x7fffu);
}

int RandomBetween(RandomGenerator& generator, int a, int b) {
    if (a == b) return b;
    if (a > b) return a;
    // The span of two 32-bit ints needs 33 bits; the result stays below b, so it fits again.
    const std::int64_t span = std::int64_t{b} - a;
    return static_cast<int>(a + generator.Next() % span);
}

}  // namespace quorvel
