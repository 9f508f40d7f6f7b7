#include "quorvel_test.h"

#include "tests/support/message_box.h"
#include "tests/support/registry_probe.h"
#include "tests/support/saved_key.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/this_program.h"
#include "tests/support/wait.h"

namespace quorvel::test {

namespace {

// The first start of a wine program in a fresh session can take a while.
constexpr DWORD kStartTimeoutMs = 20000;

constexpr RECT kRectangleRecorderArea = {200, 150, 700, 550};

// Registered before main runs: the suite gives back the user's own settings when it ends.
const ::testing::Environment* const kUsersSettings =
    ::testing::AddGlobalTestEnvironment(new SavedKey(kUsersSettingsKey));

}  // namespace

std::string QuorvelExePath() { return BesideThisProgram(QUORVEL_EXE_RELATIVE_PATH); }

void QuorvelTest::SetUp() { RegistryProbe::ClearCompanyKey(); }

void QuorvelTest::TearDown() {
    process_.reset();
    RegistryProbe::ClearCompanyKey();
}

void QuorvelTest::Launch(const std::string& arguments) {
    process_ = std::make_unique<QuorvelProcess>(QuorvelExePath(), arguments);
    ASSERT_TRUE(process_->started()) << "could not start " << QuorvelExePath();
    const HWND handle = process_->WaitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(handle, nullptr) << "no main window titled \"Quorvel\" appeared";
    window_ = MainWindow(handle);
    // The unit lists are filled last, so once they hold items every change is saved.
    ASSERT_TRUE(WaitUntil([&] { return window_.ItemCount(id::kRandomDelayUnit) > 0; }, kPromptMs))
        << "the unit lists were never filled";
}

void QuorvelTest::LaunchForCalmClicking(StoredSettings settings, int holdMs) {
    for (const auto& [name, value] : settings) RegistryProbe::Write("Settings", name, value);
    for (const char* pause : {"MDMU_MIN_DELAY", "MDMU_MAX_DELAY"}) {
        RegistryProbe::Write("Settings", pause, holdMs);
    }
    ASSERT_NO_FATAL_FAILURE(Launch());
    window_.Type(id::kFixedDelay, "100");
    window_.Click(id::kUntilStoppedRadio);
}

std::string QuorvelTest::DismissNextMessageBox() {
    const HWND box = WaitForMessageBox(process_->id(), window_.handle(), kPromptMs);
    if (box == nullptr) {
        ADD_FAILURE() << "no message box appeared";
        return {};
    }
    std::string text = MessageBoxText(box);
    EXPECT_TRUE(DismissMessageBox(box, kPromptMs)) << "the message box did not close";
    return text;
}

bool InsideClickRectangle(POINT point) {
    return point.x >= kClickRectangle.left && point.x < kClickRectangle.right &&
           point.y >= kClickRectangle.top && point.y < kClickRectangle.bottom;
}

void RectangleClicksTest::LaunchClickingInRectangle() {
    for (const char* pause : kPauseKeys) RegistryProbe::Write("Settings", pause, 0);
    ASSERT_NO_FATAL_FAILURE(Launch());
    const MainWindow& w = window();
    w.Click(id::kInRectangleRadio);
    w.Type(id::kLocX, std::to_string(kClickRectangle.left));
    w.Type(id::kLocY, std::to_string(kClickRectangle.top));
    w.Type(id::kLocWidth, std::to_string(kClickRectangle.right - kClickRectangle.left));
    w.Type(id::kLocHeight, std::to_string(kClickRectangle.bottom - kClickRectangle.top));
    recorder_ = std::make_unique<ClickRecorder>(kRectangleRecorderArea);
    ASSERT_TRUE(recorder_->WaitUntilReady(kPromptMs)) << "the click recorder is not on top";
}

}  // namespace quorvel::test
