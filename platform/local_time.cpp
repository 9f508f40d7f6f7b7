#include "platform/local_time.h"

#include <windows.h>

namespace quorvel::win {

namespace {

// Both formatters report the size they need (with the NUL) when given no buffer.
std::string DateText(const SYSTEMTIME& time) {
    const int size =
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, nullptr, 0);
    if (size <= 0) return {};
    std::string text(static_cast<std::size_t>(size), '\0');
    const int written =
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text.data(), size);
    text.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return text;
}

std::string TimeText(const SYSTEMTIME& time) {
    const int size = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, nullptr, 0);
    if (size <= 0) return {};
    std::string text(static_cast<std::size_t>(size), '\0');
    const int written = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text.data(), size);
    text.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return text;
}

}  // namespace

std::string LocalDateTimeText() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return DateText(now) + " " + TimeText(now);
}

}  // namespace quorvel::win
