#pragma once
// The draws a seeded C runtime generator makes, computed here on their own so that tests do not
// check the engine's generator against itself.

#include <cstdint>

class CrtDraws {
public:
    explicit CrtDraws(std::uint32_t seed) : state_(seed) {}

    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>(state_ >> 16 & 0x7fff);
    }

    // What a draw between a and b (a < b, a small span) gives.
    int Between(int a, int b) { return a + Next() % (b - a); }

private:
    std::uint32_t state_;
};
