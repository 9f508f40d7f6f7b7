#pragma once
// printf-style formatting of the program's fixed texts ("%s", "%d", "%u").

#include <string>

// GCC and Clang check every call's arguments against its format; a mismatch fails the build.
// MinGW names the format its own stdio takes, which is what Format passes the text on to.
#if defined(__MINGW32__)
#define QUORVEL_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((__format__(__MINGW_PRINTF_FORMAT, formatIndex, firstArgument)))
#elif defined(__GNUC__)
#define QUORVEL_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((__format__(__printf__, formatIndex, firstArgument)))
#else
#define QUORVEL_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

namespace quorvel {

QUORVEL_PRINTF_FORMAT(1, 2) std::string Format(const char* format, ...);

}  // namespace quorvel
