#include "tests/support/texts_and_ids.h"
#include "quorvel_test.h"

#include <initializer_list>

namespace quorvel::test {
namespace {

void ExpectEnabled(const MainWindow& w, std::initializer_list<int> controls, bool enabled) {
    for (const int control : controls) {
        EXPECT_EQ(w.IsEnabled(control), enabled) << "control " << control;
    }
}

const auto kRectangleControls = {id::kLocX,       id::kLocY,        id::kLocWidth,
                                 id::kLocHeight,  id::kLabelX,      id::kLabelY,
                                 id::kLabelWidth, id::kLabelHeight, id::kPickAreaButton};

using ControlStates = QuorvelTest;

TEST_F(ControlStates, RectangleFieldsFollowTheLocationMode) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const MainWindow& w = window();

    ExpectEnabled(w, kRectangleControls, false);
    // The arrows beside the fields are never greyed.
    EXPECT_TRUE(w.IsEnabled(id::kSpinLocX));

    w.Click(id::kInRectangleRadio);
    ExpectEnabled(w, kRectangleControls, true);

    w.Click(id::kAnywhereRadio);
    ExpectEnabled(w, kRectangleControls, false);
}

TEST_F(ControlStates, ClickCountFollowsTheCountMode) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const MainWindow& w = window();

    ExpectEnabled(w, {id::kClickCount, id::kClicksLabel}, true);

    w.Click(id::kUntilStoppedRadio);
    ExpectEnabled(w, {id::kClickCount, id::kClicksLabel}, false);

    w.Click(id::kStopAfterRadio);
    ExpectEnabled(w, {id::kClickCount, id::kClicksLabel}, true);
}

TEST_F(ControlStates, IntervalFieldsFollowTheIntervalKind) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const MainWindow& w = window();

    ExpectEnabled(w, {id::kRandomDelayFrom, id::kRandomDelayTo, id::kAndLabel}, false);
    ExpectEnabled(w, {id::kFixedDelay}, true);

    w.Click(id::kRandomDelayRadio);
    ExpectEnabled(w, {id::kRandomDelayFrom, id::kRandomDelayTo, id::kAndLabel}, true);
    ExpectEnabled(w, {id::kFixedDelay}, false);

    w.Click(id::kFixedDelayRadio);
    ExpectEnabled(w, {id::kRandomDelayFrom, id::kRandomDelayTo, id::kAndLabel}, false);
    ExpectEnabled(w, {id::kFixedDelay}, true);
}

}  // namespace
}  // namespace quorvel::test
