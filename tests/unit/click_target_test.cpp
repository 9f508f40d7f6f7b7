#include "engine/click_target.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "crt_draws.h"
#include "engine_fakes.h"

namespace quorvel::test {
namespace {

void ExpectRange(const UpDownRange& range, int lower, int upper) {
    EXPECT_EQ(range.lower, lower);
    EXPECT_EQ(range.upper, upper);
}

TEST(MeasureDesktop, SingleMonitorAtTheOrigin) {
    FakeMetrics metrics({0, 0, 1920, 1080});
    const DesktopMeasurement desktop = MeasureDesktop(metrics);
    EXPECT_EQ(desktop.areaText, "Total Clickable Area of Width 1920 Height 1080");
    ExpectRange(desktop.rectX, 0, 1920);
    ExpectRange(desktop.rectY, 0, 1080);
    ExpectRange(desktop.rectWidth, 1, 1920);
    ExpectRange(desktop.rectHeight, 1, 1080);
    ExpectRange(desktop.randomFrom, 1, 9999999);
    ExpectRange(desktop.randomTo, 1, 9999999);
    ExpectRange(desktop.fixedDelay, 1, 9999999);
}

TEST(MeasureDesktop, RangesFollowAMonitorLeftOfThePrimary) {
    FakeMetrics metrics({-1280, -200, 2560, 1224});
    const DesktopMeasurement desktop = MeasureDesktop(metrics);
    EXPECT_EQ(desktop.areaText, "Total Clickable Area of Width 2560 Height 1224");
    ExpectRange(desktop.rectX, -1280, 1280);
    ExpectRange(desktop.rectY, -200, 1024);
    ExpectRange(desktop.rectWidth, 1, 2560);
    ExpectRange(desktop.rectHeight, 1, 1224);
    EXPECT_EQ(desktop.screen.left, -1280);
}

class PickClickPointTest : public ::testing::Test {
protected:
    ClickSettings settings;
    VirtualScreen desktop{0, 0, 1920, 1080};
    RandomGenerator random;
    FakeCursor cursor;
    Point last{11, 22};

    void Pick() { PickClickPoint(settings, desktop, random, cursor, last); }
};

TEST_F(PickClickPointTest, CursorModeReadsWithoutMovingAndKeepsThePointOnFailure) {
    settings.clickLocation = kLocationAtCursor;
    cursor.position = {300, 400};
    Pick();
    EXPECT_EQ(last, (Point{300, 400}));

    cursor.readable = false;
    cursor.position = {1, 2};
    Pick();
    EXPECT_EQ(last, (Point{300, 400}));
    EXPECT_TRUE(cursor.moves.empty());
}

TEST_F(PickClickPointTest, DesktopModeDrawsXThenYInsideTheVirtualScreen) {
    settings.clickLocation = kLocationAnywhereOnDesktop;
    desktop = {-1920, -100, 3840, 1180};
    random.Seed(1234);
    CrtDraws draws(1234);
    for (int i = 0; i < 50; ++i) {
        Pick();
        const int x = -1920 + draws.Next() % 3840;
        const int y = -100 + draws.Next() % 1180;
        ASSERT_EQ(last, (Point{x, y}));
        ASSERT_EQ(cursor.moves.back(), last);
    }
}

TEST_F(PickClickPointTest, DesktopModeWithoutADesktopChangesNothing) {
    settings.clickLocation = kLocationAnywhereOnDesktop;
    for (VirtualScreen empty : {VirtualScreen{0, 0, 0, 1080}, VirtualScreen{0, 0, 1920, 0}}) {
        desktop = empty;
        Pick();
    }
    EXPECT_EQ(last, (Point{11, 22}));
    EXPECT_TRUE(cursor.moves.empty());
    EXPECT_EQ(random.Next(), 41) << "nothing was drawn";
}

TEST_F(PickClickPointTest, RectangleModeDrawsBelowTheFarEdges) {
    settings.clickLocation = kLocationInRectangle;
    settings.locX = 100;
    settings.locY = -50;
    settings.locWidth = 40;
    settings.locHeight = 30;
    random.Seed(5);
    CrtDraws draws(5);
    for (int i = 0; i < 50; ++i) {
        Pick();
        const int x = draws.Between(100, 140);
        const int y = draws.Between(-50, -20);
        ASSERT_EQ(last, (Point{x, y}));
        ASSERT_EQ(cursor.moves.back(), last);
    }
}

TEST_F(PickClickPointTest, DegenerateRectanglesGiveTheirCorner) {
    settings.clickLocation = kLocationInRectangle;
    settings.locX = 70;
    settings.locY = 80;
    const std::vector<std::pair<int, int>> sizes = {{1, 1}, {0, 0}, {-25, -1}};
    for (const auto& [width, height] : sizes) {
        settings.locWidth = width;
        settings.locHeight = height;
        Pick();
        EXPECT_EQ(last, (Point{70, 80})) << width << " x " << height;
    }
}

TEST_F(PickClickPointTest, RectangleEdgesBeyondTheIntegerRangeAreClamped) {
    settings.clickLocation = kLocationInRectangle;
    settings.locX = INT_MAX - 2;
    settings.locWidth = 1000;
    settings.locY = INT_MIN;
    settings.locHeight = -1000;
    random.Seed(3);
    CrtDraws draws(3);
    for (int i = 0; i < 20; ++i) {
        Pick();
        ASSERT_EQ(last.x, INT_MAX - 2 + draws.Next() % 2);
        ASSERT_EQ(last.y, INT_MIN);
    }
}

TEST_F(PickClickPointTest, UnknownModeLeavesPointAndCursor) {
    settings.clickLocation = 3;
    Pick();
    settings.clickLocation = -1;
    Pick();
    EXPECT_EQ(last, (Point{11, 22}));
    EXPECT_TRUE(cursor.moves.empty());
}

}  // namespace
}  // namespace quorvel::test
