#include "ui/hotkey_modifiers.h"

namespace quorvel::ui {

namespace {

std::uint16_t SwapShiftAndAlt(std::uint16_t flags) {
    const unsigned bit0 = flags & 1u;
    const unsigned bit1 = flags & 2u;
    const unsigned bit2 = (flags >> 2) & 1u;
    return static_cast<std::uint16_t>(bit2 | bit1 | (bit0 << 2));
}

}  // namespace

std::uint16_t ToRegistrationModifiers(std::uint16_t controlFlags) {
    return SwapShiftAndAlt(controlFlags);
}

std::uint16_t ToControlModifiers(std::uint16_t registrationFlags) {
    return SwapShiftAndAlt(registrationFlags);
}

std::vector<std::uint16_t> WithExtraModifiers(std::uint16_t registrationFlags) {
    // Alt, Ctrl and Shift are bits 0 to 2; any other bit stays as the shortcut has it.
    constexpr unsigned kAllThree = 7u;
    const unsigned lacking = ~registrationFlags & kAllThree;
    std::vector<std::uint16_t> combinations;
    for (unsigned extra = 1; extra <= kAllThree; ++extra) {
        if ((extra & ~lacking) == 0) {
            combinations.push_back(static_cast<std::uint16_t>(registrationFlags | extra));
        }
    }
    return combinations;
}

}  // namespace quorvel::ui
