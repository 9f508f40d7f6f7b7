#include "engine/status_texts.h"

#include "engine/interval_units.h"
#include "engine/text_format.h"

namespace quorvel {
namespace {

const char* ClicksDoneFormat(int unitIndex) {
    switch (unitIndex) {
    case kUnitMilliseconds:
        return kClicksDoneMillisecondsText;
    case kUnitSeconds:
        return kClicksDoneSecondsText;
    case kUnitMinutes:
        return kClicksDoneMinutesText;
    default:
        return nullptr;
    }
}

}  // namespace

std::string ClicksScheduledText(const std::string& now) {
    return Format(kClicksScheduledText, now.c_str());
}

std::optional<std::string> ClicksDoneText(int unitIndex, const std::string& now, int clicksDone,
                                          Point lastClick, int intervalMs) {
    const char* format = ClicksDoneFormat(unitIndex);
    const std::optional<std::int64_t> factor = MillisecondsPerUnit(unitIndex);
    if (format == nullptr || !factor) return std::nullopt;
    const auto intervalInUnit = static_cast<int>(intervalMs / *factor);
    return Format(format, now.c_str(), clicksDone, lastClick.x, lastClick.y, intervalInUnit);
}

std::string IdleStatusText(bool hotKeyAssigned, const std::string& hotKeyText) {
    return hotKeyAssigned ? Format(kPressKeyText, hotKeyText.c_str()) : std::string(kAssignKeyText);
}

}  // namespace quorvel
