// The main window's decisions that need no window: enabling rules, pause corrections, the
// picker's path, the share addresses and the silent start.

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <vector>

#include "app/start_up.h"
#include "res/resource.h"
#include "ui/control_states.h"
#include "ui/pause_bounds.h"
#include "ui/picker_path.h"
#include "ui/tray_entry.h"
#include "ui/web_links.h"

namespace quorvel::test {
namespace {

using namespace quorvel::app;
using namespace quorvel::ui;

std::map<int, bool> StatesOf(const ClickSettings& settings) {
    std::map<int, bool> states;
    for (const ControlState& state : ControlStates(settings)) states[state.id] = state.enabled;
    return states;
}

TEST(ControlStates, RectangleFieldsFollowTheLocationMode) {
    ClickSettings settings;
    for (int mode : {0, 1, 5, -1}) {
        settings.clickLocation = mode;
        const auto states = StatesOf(settings);
        for (int id : {IDC_LOC_X, IDC_LOC_Y, IDC_LOC_WIDTH, IDC_LOC_HEIGHT, IDC_LABEL_X,
                       IDC_LABEL_Y, IDC_LABEL_WIDTH, IDC_LABEL_HEIGHT, IDC_PICK_AREA}) {
            EXPECT_FALSE(states.at(id)) << "mode " << mode << " control " << id;
        }
    }
    settings.clickLocation = 2;
    EXPECT_TRUE(StatesOf(settings).at(IDC_PICK_AREA));
    EXPECT_EQ(StatesOf(settings).count(IDC_SPIN_LOC_X), 0u);  // the arrows are never greyed
}

TEST(ControlStates, CountAndIntervalFieldsFollowTheirChoices) {
    ClickSettings settings;
    settings.howManyClicks = 0;
    settings.delayBetweenClicks = 0;
    auto states = StatesOf(settings);
    EXPECT_FALSE(states.at(IDC_CLICK_COUNT));
    EXPECT_FALSE(states.at(IDC_LABEL_CLICKS));
    EXPECT_TRUE(states.at(IDC_RANDOM_DELAY_FROM));
    EXPECT_TRUE(states.at(IDC_LABEL_AND));
    EXPECT_FALSE(states.at(IDC_FIXED_DELAY));

    settings.howManyClicks = 1;
    settings.delayBetweenClicks = 1;
    states = StatesOf(settings);
    EXPECT_TRUE(states.at(IDC_CLICK_COUNT));
    EXPECT_FALSE(states.at(IDC_RANDOM_DELAY_TO));
    EXPECT_TRUE(states.at(IDC_FIXED_DELAY));

    settings.delayBetweenClicks = -1;  // neither interval radio set: both kinds greyed
    states = StatesOf(settings);
    EXPECT_FALSE(states.at(IDC_RANDOM_DELAY_FROM));
    EXPECT_FALSE(states.at(IDC_FIXED_DELAY));
}

TEST(PauseBounds, NegativesBecomeZeroThenTheMaximumRisesToTheMinimum) {
    EXPECT_EQ(CorrectPauseBounds({300, 100}), (PauseBounds{300, 300}));
    EXPECT_EQ(CorrectPauseBounds({-5, -10}), (PauseBounds{0, 0}));
    EXPECT_EQ(CorrectPauseBounds({-5, 40}), (PauseBounds{0, 40}));
    EXPECT_EQ(CorrectPauseBounds({50, 200}), (PauseBounds{50, 200}));
    EXPECT_EQ(CorrectPauseBounds({INT_MIN, INT_MAX}), (PauseBounds{0, INT_MAX}));
}

TEST(AreaPickerPath, ReplacesTheProgramNameOrFallsBackToTheProgramsFolder) {
    EXPECT_EQ(AreaPickerPath(L"C:\\Tools\\Quorvel.exe"), L"C:\\Tools\\Areapick.exe");
    EXPECT_EQ(AreaPickerPath(L"C:\\Quorvel.exe.d\\Quorvel.exe"),
              L"C:\\Areapick.exe.d\\Areapick.exe");
    // A renamed copy must never start itself.
    EXPECT_EQ(AreaPickerPath(L"C:\\Tools\\quorvel.exe"), L"C:\\Tools\\Areapick.exe");
    EXPECT_EQ(AreaPickerPath(L"C:\\Tools\\Clicker2.exe"), L"C:\\Tools\\Areapick.exe");
    EXPECT_EQ(AreaPickerPath(L"Clicker2.exe"), L"Areapick.exe");
}

TEST(WebLinks, ShareAddressesCarryTheProductPageUnencoded) {
    EXPECT_EQ(SharePageAddress(ShareService::Facebook),
              std::string("https://www.facebook.com/sharer.php?u=") + kProductPage);
    EXPECT_EQ(SharePageAddress(ShareService::GooglePlus),
              std::string("https://plus.google.com/_/+1/confirm?hl=en&url=") + kProductPage);
    EXPECT_EQ(SharePageAddress(ShareService::Twitter),
              std::string("https://twitter.com/share?url=") + kProductPage);
}

TEST(StartUp, SilentIsACaseSensitiveSubstring) {
    EXPECT_TRUE(IsSilentStart(":silent"));
    EXPECT_TRUE(IsSilentStart("  :silent  "));
    EXPECT_TRUE(IsSilentStart("foo :silently"));
    EXPECT_FALSE(IsSilentStart(":SILENT"));
    EXPECT_FALSE(IsSilentStart(""));
    EXPECT_FALSE(IsSilentStart(nullptr));
}

// Records the icon of every add, as the shell would show it.
struct RecordingTrayShell : TrayShell {
    bool Add(bool runningIcon) override {
        added.push_back(runningIcon);
        return true;
    }
    bool ChangeIcon(bool) override { return true; }
    bool Remove() override { return true; }
    std::vector<bool> added;
};

TEST(TrayEntry, AnEntryAddedAgainAfterAShellRestartShowsWhetherClicksRun) {
    RecordingTrayShell shell;
    TrayEntry entry(shell);
    entry.Add();
    entry.ShowRunning(true);
    entry.Remove();
    entry.Add();
    entry.ShowRunning(false);
    entry.Remove();
    entry.Add();
    EXPECT_EQ(shell.added, (std::vector<bool>{false, true, false}));
}

}  // namespace
}  // namespace quorvel::test
