#pragma once
// The texts of the status line while clicking is scheduled, runs and ends.

#include <optional>
#include <string>

#include "engine/ports.h"

namespace quorvel {

inline constexpr const char* kClicksScheduledText = "%s - Mouse Clicks Scheduled.";
inline constexpr const char* kClicksDoneMillisecondsText =
    "%s - %d Clicks Done, Last Click at X = %d & Y = %d, Next Click in %d Milli Second(s)";
inline constexpr const char* kClicksDoneSecondsText =
    "%s - %d Clicks Done, Last Click at X = %d & Y = %d, Next Click in %d Second(s)";
inline constexpr const char* kClicksDoneMinutesText =
    "%s - %d Clicks Done, Last Click at X = %d & Y = %d, Next Click in %d Minute(s)";
inline constexpr const char* kPressKeyText = "Press %s to Start / Stop Mouse Clicking.";
inline constexpr const char* kAssignKeyText =
    "Assign a Shortcut Key to Start and Stop the Mouse Clicking.";
// The main window's first status line words it slightly differently from the idle text.
inline constexpr const char* kAssignKeyAtStartText =
    "Assign a Shortcut Key to Start / Stop the Mouse Clicking.";
inline constexpr const char* kArmingFailureText =
    "Failed to Start Timer.\nTry Some Lower Value or Change Duration Selector (Milli Second(s), "
    "Second(s), or Minute(s).";

std::string ClicksScheduledText(const std::string& now);

// The interval is shown in the unit, truncated toward zero; nothing for an unknown unit.
std::optional<std::string> ClicksDoneText(int unitIndex, const std::string& now, int clicksDone,
                                          Point lastClick, int intervalMs);

std::string IdleStatusText(bool hotKeyAssigned, const std::string& hotKeyText);

}  // namespace quorvel
