#pragma once
// Which fields of the main window the current choices use: the others are greyed out.

#include <vector>

#include "engine/click_settings.h"

namespace quorvel::ui {

struct ControlState {
    int id;
    bool enabled;
};

// In the order the window applies them.
std::vector<ControlState> ControlStates(const ClickSettings& settings);

}  // namespace quorvel::ui
