#pragma once

#include "driver/main_window.h"
#include "driver/quorvel_process.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace e2e {

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

    // Any message box of the running program, pressed away; returns its text.
    std::string DismissNextMessageBox();

    const MainWindow& window() const { return window_; }
    QuorvelProcess& process() const { return *process_; }

private:
    std::unique_ptr<QuorvelProcess> process_;
    MainWindow window_{nullptr};
};

}  // namespace e2e
