#pragma once

#include "tests/support/texts_and_ids.h"

#include <array>

// The main window's setting controls with the keys that mirror them, as a person sees them on
// the window and in the profile.
namespace quorvel::test {

struct NumericField {
    int id;
    const char* key;
};

// In the order in which the window takes them in, which decides what a refused field holds up.
inline constexpr std::array<NumericField, 8> kNumericFields = {{
    {id::kLocX, "m_iLocX"},
    {id::kLocY, "m_iLocY"},
    {id::kLocWidth, "m_iLocWidth"},
    {id::kLocHeight, "m_iLocHeight"},
    {id::kClickCount, "m_iFixedClicksCount"},
    {id::kRandomDelayFrom, "m_iRandomDelayFrom"},
    {id::kRandomDelayTo, "m_iRandomDelayTo"},
    {id::kFixedDelay, "m_iFixedDelayInClicks"},
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
    {"m_iClickLocation", 3, {id::kAtCursorRadio, id::kAnywhereRadio, id::kInRectangleRadio}},
    {"m_iHowManyClicks", 2, {id::kUntilStoppedRadio, id::kStopAfterRadio}},
    {"m_iDelayBetweenClicks", 2, {id::kRandomDelayRadio, id::kFixedDelayRadio}},
    {"m_iRadioClickType",
     5,
     {id::kLeftClickRadio, id::kRightClickRadio, id::kLeftDoubleRadio, id::kRightDoubleRadio,
      id::kMiddleClickRadio}},
}};
inline constexpr std::size_t kHowManyGroup = 1;
inline constexpr std::size_t kDelayGroup = 2;

struct UnitList {
    int id;
    const char* key;
};

inline constexpr std::array<UnitList, 2> kUnitLists = {{
    {id::kFixedDelayUnit, "m_ctrlComboFixedDelayScales"},
    {id::kRandomDelayUnit, "m_ctrlRandomDelayScales"},
}};

}  // namespace quorvel::test
