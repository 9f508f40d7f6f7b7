#include "ui/control_states.h"

#include <initializer_list>

#include "res/resource.h"

namespace quorvel::ui {

std::vector<ControlState> ControlStates(const ClickSettings& settings) {
    std::vector<ControlState> states;
    const auto apply = [&states](bool enabled, std::initializer_list<int> ids) {
        for (int id : ids) states.push_back({id, enabled});
    };
    apply(settings.clickLocation == 2,
          {IDC_LOC_X, IDC_LOC_Y, IDC_LOC_WIDTH, IDC_LOC_HEIGHT, IDC_LABEL_X, IDC_LABEL_Y,
           IDC_LABEL_WIDTH, IDC_LABEL_HEIGHT, IDC_PICK_AREA});
    apply(settings.howManyClicks == 1, {IDC_CLICK_COUNT, IDC_LABEL_CLICKS});
    apply(settings.delayBetweenClicks == 0,
          {IDC_RANDOM_DELAY_FROM, IDC_RANDOM_DELAY_TO, IDC_LABEL_AND});
    apply(settings.delayBetweenClicks == 1, {IDC_FIXED_DELAY});
    return states;
}

}  // namespace quorvel::ui
