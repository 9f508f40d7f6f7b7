#include "engine/hand_movement.h"

#include <gtest/gtest.h>

namespace quorvel::test {
namespace {

TEST(HandMovementWatch, SmallMovesAddUpAndOnlyMoreThanTwentyPixelsStop) {
    HandMovementWatch watch;
    watch.Start({100, 100});
    for (int x = 101; x <= 120; ++x) EXPECT_FALSE(watch.Moved({x, 100})) << x;
    EXPECT_TRUE(watch.Moved({120, 101}));

    // Back and forth adds up too: it is the hand's movement, not the distance from the start.
    watch.Start({100, 100});
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(watch.Moved({101, 100}));
        watch.Moved({100, 100});
    }
    EXPECT_TRUE(watch.Moved({101, 100}));
}

TEST(HandMovementWatch, OwnMovesNeverCountHoweverLateOrFastTheirReportsCome) {
    HandMovementWatch watch;
    watch.Start({0, 0});
    // A fast run in a rectangle: three moves made before the first report comes.
    watch.OwnMove({300, 250});
    watch.OwnMove({480, 390});
    watch.OwnMove({310, 260});
    EXPECT_FALSE(watch.Moved({300, 250}));
    // The hand nudges the cursor by 2 pixels, between two reports.
    EXPECT_FALSE(watch.Moved({302, 250}));
    EXPECT_FALSE(watch.Moved({480, 390}));
    EXPECT_FALSE(watch.Moved({310, 260}));
    // A move that lands on a point set long ago, whose report has come, is the hand's.
    EXPECT_TRUE(watch.Moved({480, 390}));
}

TEST(HandMovementWatch, MovesAreCountedFromTheProgramsLastMoveWhenItsReportNeverComes) {
    HandMovementWatch watch;
    watch.Start({0, 0});
    watch.OwnMove({500, 500});
    EXPECT_FALSE(watch.Moved({510, 500}));
    EXPECT_FALSE(watch.Moved({520, 500}));
    EXPECT_TRUE(watch.Moved({521, 500}));
    // The program's next move counts afresh from its point.
    watch.OwnMove({0, 0});
    EXPECT_FALSE(watch.Moved({20, 0}));
}

}  // namespace
}  // namespace quorvel::test
