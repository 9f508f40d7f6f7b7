#include "quorvel_test.h"

#include "driver/control_ids.h"
#include "driver/message_box.h"
#include "driver/registry_probe.h"
#include "driver/wait.h"
#include "tests/support/saved_key.h"

#include <algorithm>

namespace e2e {

namespace {

// The first start of a wine program in a fresh session can take a while.
constexpr DWORD kStartTimeoutMs = 20000;

// Registered before main runs: the suite gives back the user's own settings when it ends.
const ::testing::Environment* const kUsersSettings = ::testing::AddGlobalTestEnvironment(
    new quorvel::testing::SavedKey(quorvel::testing::kUsersSettingsKey));

std::string DirectoryOfThisProgram() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file(path, length);
    return file.substr(0, file.find_last_of("\\/") + 1);
}

}  // namespace

std::string QuorvelExePath() {
    std::string relative = QUORVEL_EXE_RELATIVE_PATH;
    std::replace(relative.begin(), relative.end(), '/', '\\');
    return DirectoryOfThisProgram() + relative;
}

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

}  // namespace e2e
