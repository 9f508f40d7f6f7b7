#include "engine/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace quorvel {

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (length <= 0) return {};

    std::string text(static_cast<std::size_t>(length), '\0');
    va_start(args, format);
    // The extra byte is the string's own terminator, which vsnprintf overwrites with '\0'.
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

}  // namespace quorvel
