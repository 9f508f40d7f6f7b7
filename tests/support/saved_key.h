#pragma once
// Keeps a user's own registry key safe from a test suite that empties it: a copy is taken
// before the first test and put back after the last, whether the tests passed or not.

#include <gtest/gtest.h>

#include "tests/support/texts_and_ids.h"

#include <string>

namespace quorvel::test {

class SavedKey : public ::testing::Environment {
public:
    // A key below HKEY_CURRENT_USER, such as "Software\\Vantrel".
    explicit SavedKey(std::string path);

    void SetUp() override;
    void TearDown() override;

    // Where the copy waits; one left by a suite that was killed is the user's and is kept.
    const std::string& CopyPath() const { return copyPath_; }

private:
    std::string path_;
    std::string copyPath_;
    bool saved_ = false;
};

// The program's settings, which the suites that drive the real programs empty.
inline constexpr const char* kUsersSettingsKey = kCompanyKey;

}  // namespace quorvel::test
