#pragma once

#include "tests/support/texts_and_ids.h"

#include <array>

// The main window's setting controls with the keys that mirror them, as a person sees them on
// the window and in the profile.
namespace soak {

struct NumericField {
    int id;
    const char* key;
};

// In the order in which the window takes them in, which decides what a refused field holds up.
inline constexpr std::array<NumericField, 8> kNumericFields = {{
    {e2e::id::kLocX, "m_iLocX"},
    {e2e::id::kLocY, "m_iLocY"},
    {e2e::id::kLocWidth, "m_iLocWidth"},
    {e2e::id::kLocHeight, "m_iLocHeight"},
    {e2e::id::kClickCount, "m_iFixedClicksCount"},
    {e2e::id::kRandomDelayFrom, "m_iRandomDelayFrom"},
    {e2e::id::kRandomDelayTo, "m_iRandomDelayTo"},
    {e2e::id::kFixedDelay, "m_iFixedDelayInClicks"},
}};
inline constexpr std::size_t kRandomDelayFromField = 5;
inline constexpr std::size_t kRandomDelayToField = 6;

// Buttons in the order of the numbers stored for them; unused places hold 0.
struct RadioGroup {
    const char* key;
    int size;
    std::array<int, 5> buttons;
};

inline constexpr std::array<RadioGroup, 4> kRadioGroups = {{
    {"m_iClickLocation",
     3,
     {e2e::id::kAtCursorRadio, e2e::id::kAnywhereRadio, e2e::id::kInRectangleRadio}},
    {"m_iHowManyClicks", 2, {e2e::id::kUntilStoppedRadio, e2e::id::kStopAfterRadio}},
    {"m_iDelayBetweenClicks", 2, {e2e::id::kRandomDelayRadio, e2e::id::kFixedDelayRadio}},
    {"m_iRadioClickType",
     5,
     {e2e::id::kLeftClickRadio, e2e::id::kRightClickRadio, e2e::id::kLeftDoubleRadio,
      e2e::id::kRightDoubleRadio, e2e::id::kMiddleClickRadio}},
}};
inline constexpr std::size_t kHowManyGroup = 1;
inline constexpr std::size_t kDelayGroup = 2;

struct UnitList {
    int id;
    const char* key;
};

inline constexpr std::array<UnitList, 2> kUnitLists = {{
    {e2e::id::kFixedDelayUnit, "m_ctrlComboFixedDelayScales"},
    {e2e::id::kRandomDelayUnit, "m_ctrlRandomDelayScales"},
}};

}  // namespace soak
