#pragma once

#include "store/settings_keys.h"
#include "tests/support/texts_and_ids.h"

#include <array>

// The main window's setting controls with the program's keys that mirror them, as a person
// sees them on the window and in the profile.
namespace quorvel::test {

struct NumericField {
    int id;
    const char* key;
};

// In the order in which the window takes them in, which decides what a refused field holds up.
inline constexpr std::array<NumericField, 8> kNumericFields = {{
    {id::kLocX, store::keys::kLocX.name},
    {id::kLocY, store::keys::kLocY.name},
    {id::kLocWidth, store::keys::kLocWidth.name},
    {id::kLocHeight, store::keys::kLocHeight.name},
    {id::kClickCount, store::keys::kFixedClicksCount.name},
    {id::kRandomDelayFrom, store::keys::kRandomDelayFrom.name},
    {id::kRandomDelayTo, store::keys::kRandomDelayTo.name},
    {id::kFixedDelay, store::keys::kFixedDelayInClicks.name},
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
    {store::keys::kClickLocation.name,
     3,
     {id::kAtCursorRadio, id::kAnywhereRadio, id::kInRectangleRadio}},
    {store::keys::kHowManyClicks.name, 2, {id::kUntilStoppedRadio, id::kStopAfterRadio}},
    {store::keys::kDelayBetweenClicks.name, 2, {id::kRandomDelayRadio, id::kFixedDelayRadio}},
    {store::keys::kRadioClickType.name,
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
    {id::kFixedDelayUnit, store::keys::kFixedDelayScale.name},
    {id::kRandomDelayUnit, store::keys::kRandomDelayScale.name},
}};

}  // namespace quorvel::test
