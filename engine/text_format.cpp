#include "engine/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace quorvel {

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measuring;
    va_copy(measuring, args);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);

    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length));
        // The extra byte is the string's own terminator, which vsnprintf overwrites with '\0'.
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    }
    va_end(args);
    return text;
}

}  // namespace quorvel
