#pragma once

#include <array>

// The names under which the program keeps its settings, as its profile shows them.
namespace quorvel::test {

struct StoreKey {
    const char* section;
    const char* name;
};

// The main window's own keys, each rewritten by every accepted change of a bound control.
inline constexpr std::array<const char*, 14> kMainWindowKeys = {
    "m_iClickLocation",
    "m_iLocX",
    "m_iLocY",
    "m_iLocWidth",
    "m_iLocHeight",
    "m_iHowManyClicks",
    "m_iFixedClicksCount",
    "m_iDelayBetweenClicks",
    "m_iRandomDelayFrom",
    "m_iRandomDelayTo",
    "m_iFixedDelayInClicks",
    "m_iRadioClickType",
    "m_ctrlComboFixedDelayScales",
    "m_ctrlRandomDelayScales",
};

// Every key that the program or its area picker reads.
inline constexpr std::array<StoreKey, 28> kAllKeys = {{
    {"Settings", "m_iClickLocation"},
    {"Settings", "m_iLocX"},
    {"Settings", "m_iLocY"},
    {"Settings", "m_iLocWidth"},
    {"Settings", "m_iLocHeight"},
    {"Settings", "m_iHowManyClicks"},
    {"Settings", "m_iFixedClicksCount"},
    {"Settings", "m_iDelayBetweenClicks"},
    {"Settings", "m_iRandomDelayFrom"},
    {"Settings", "m_iRandomDelayTo"},
    {"Settings", "m_iFixedDelayInClicks"},
    {"Settings", "m_iRadioClickType"},
    {"Settings", "m_ctrlComboFixedDelayScales"},
    {"Settings", "m_ctrlRandomDelayScales"},
    {"Settings", "m_ctrlHotKeyStartStopClicks Key"},
    {"Settings", "m_ctrlHotKeyStartStopClicks Mod"},
    {"Settings", "MDMU_MIN_DELAY"},
    {"Settings", "MDMU_MAX_DELAY"},
    {"Settings", "DOUBLE_CLICKS_MIN_DELAY"},
    {"Settings", "DOUBLE_CLICKS_MAX_DELAY"},
    {"Settings", "vl_iInfoMessageDisplayed"},
    {"Settings", "m_oStartingPoint.x"},
    {"Settings", "m_oStartingPoint.y"},
    {"Settings", "m_oClosingPoint.x"},
    {"Settings", "m_oClosingPoint.y"},
    {"Social", "Twittered"},
    {"Social", "Facebooked"},
    {"Social", "Googled"},
}};

}  // namespace quorvel::test
