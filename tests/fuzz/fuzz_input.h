#pragma once
// Reads typed values off the front of a fuzzer's input; once it runs dry every value is 0, so
// short inputs still make a complete case.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

namespace quorvel::test {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_pos == m_size; }

    std::uint8_t Byte() { return Empty() ? 0 : m_data[m_pos++]; }

    std::uint32_t Uint32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= std::uint32_t{Byte()} << (8 * i);
        return value;
    }

    int Int32() { return static_cast<int>(Uint32()); }

    std::int64_t Int64() {
        const std::uint64_t low = Uint32();
        return static_cast<std::int64_t>(low | (std::uint64_t{Uint32()} << 32));
    }

    // A length byte, then that many bytes (fewer when the input ends first).
    std::string Text() {
        std::string text;
        for (std::size_t length = Byte(); length > 0 && !Empty(); --length) {
            text.push_back(static_cast<char>(Byte()));
        }
        return text;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

}  // namespace quorvel::test

// A broken property is a finding: report it and abort, so that the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
