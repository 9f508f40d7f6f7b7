#pragma once

#include "tests/support/click_recorder.h"
#include "tests/support/launched_program.h"
#include "tests/support/main_window.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace quorvel::test {

// The program under test, found beside this test program's build output.
std::string QuorvelExePath();

// Each case starts from an empty HKCU\Software\Vantrel and ends the program it started; the
// user's own settings are saved before the suite and put back after it.
class QuorvelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts Quorvel.exe and waits until its main window has finished initialising; use it
    // within ASSERT_NO_FATAL_FAILURE.
    void Launch(const std::string& arguments = "");

    // Values written to the Settings key before a launch.
    using StoredSettings = std::initializer_list<std::pair<const char*, DWORD>>;

    // Launches the program for a light run until stopped, with the settings given: each press
    // held holdMs (none by default), 100 ms between clicks; use it within
    // ASSERT_NO_FATAL_FAILURE.
    void LaunchForCalmClicking(StoredSettings settings = {}, int holdMs = 0);

    // Any message box of the running program, pressed away; returns its text.
    std::string DismissNextMessageBox();

    const MainWindow& window() const { return window_; }
    QuorvelProcess& process() const { return *process_; }

private:
    std::unique_ptr<QuorvelProcess> process_;
    MainWindow window_{nullptr};
};

inline constexpr RECT kClickRectangle = {300, 250, 300 + 200, 250 + 150};

bool InsideClickRectangle(POINT point);

// Runs that click inside kClickRectangle, counted by a recorder over more than it, so that a
// click that strays is still seen.
class RectangleClicksTest : public QuorvelTest {
protected:
    // Launches the program with the pauses inside a click removed, so that runs stay quick, sets
    // the rectangle as a person would and puts the recorder on top; use it within
    // ASSERT_NO_FATAL_FAILURE.
    void LaunchClickingInRectangle();

    ClickRecorder& recorder() { return *recorder_; }

private:
    std::unique_ptr<ClickRecorder> recorder_;
};

}  // namespace quorvel::test
