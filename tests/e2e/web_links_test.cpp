#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/browser_stand_in.h"
#include "tests/support/foreground.h"
#include "tests/support/keyboard.h"
#include "tests/support/messaging.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/this_program.h"
#include "tests/support/top_level_windows.h"
#include "tests/support/wait.h"
#include "quorvel_test.h"

namespace quorvel::test {
namespace {

constexpr const char* kProductPage = "https://www.quorvel.example/";
constexpr const char* kSupportPage = "https://www.quorvel.example/support/";

struct Share {
    const char* service;
    int button;
    int menuCommand;
    const char* flag;
    std::string page;
};

const std::vector<Share> kShares = {
    {"Facebook", id::kFacebookButton, id::kShareFacebookCommand, "Facebooked",
     std::string("https://www.facebook.com/sharer.php?u=") + kProductPage},
    {"Google +", id::kGooglePlusButton, id::kShareGooglePlusCommand, "Googled",
     std::string("https://plus.google.com/_/+1/confirm?hl=en&url=") + kProductPage},
    {"Twitter", id::kTwitterButton, id::kShareTwitterCommand, "Twittered",
     std::string("https://twitter.com/share?url=") + kProductPage},
};

class WebLinks : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        browser_ =
            std::make_unique<BrowserStandIn>(BesideThisProgram(WEB_PAGE_RECORDER_RELATIVE_PATH));
    }
    void TearDown() override {
        QuorvelTest::TearDown();
        browser_.reset();
    }

    // The pages opened so far, once there are `count` of them.
    std::vector<std::string> Pages(size_t count) const {
        return browser_->WaitForPages(count, kPromptMs);
    }

    void Command(int commandId) const {
        PostMessageA(window().handle(), WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    }

    const BrowserStandIn& browser() const { return *browser_; }

    bool ButtonVisible(int buttonId) const {
        return IsWindowVisible(GetDlgItem(window().handle(), buttonId)) != FALSE;
    }

    // The share buttons' tooltips live in a window of their own beside the main window.
    bool HasTooltipWindow() const {
        const DWORD processId = process().id();
        return FindTopLevelWindow([&](HWND candidate) {
                   return OwningProcess(candidate) == processId &&
                          WindowClass(candidate) == TOOLTIPS_CLASSA;
               }) != nullptr;
    }

private:
    std::unique_ptr<BrowserStandIn> browser_;
};

TEST_F(WebLinks, HelpKeyAndFeedbackOpenTheProductAndSupportPages) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    // Out of the shortcut key field, which would take F1 as the new shortcut.
    PostMessageA(window().handle(), WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(GetDlgItem(window().handle(), id::kLocX)), TRUE);
    ASSERT_TRUE(BringToForeground(window().handle(), kPromptMs));
    PressCombination(0, VK_F1);
    // The desktop's shell may take seconds to open the page; the window answers meanwhile.
    constexpr DWORD kAnswerMs = 1000;
    EXPECT_TRUE(WaitUntil(
        [&] {
            EXPECT_TRUE(TextWithin(window().handle(), kAnswerMs).has_value())
                << "the window did not answer while the page opened";
            return !browser().WaitForPages(1, 0).empty();
        },
        kPromptMs));
    EXPECT_EQ(Pages(1), std::vector<std::string>{kProductPage});

    window().Click(id::kFeedbackButton);
    EXPECT_EQ(Pages(2), (std::vector<std::string>{kProductPage, kSupportPage}));

    // Every program runs elevated under wine, so the pages go through the desktop's shell.
    for (const DWORD opener : browser().PageOpeners()) {
        EXPECT_NE(opener, process().id()) << "the elevated program started the browser itself";
    }
}

TEST_F(WebLinks, ShareButtonOpensItsPageAndDisappearsForGood) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    EXPECT_TRUE(HasTooltipWindow());

    std::vector<std::string> expected;
    for (const Share& share : kShares) {
        SCOPED_TRACE(share.service);
        EXPECT_TRUE(ButtonVisible(share.button));
        window().Click(share.button);
        expected.push_back(share.page);
        EXPECT_EQ(Pages(expected.size()), expected);
        EXPECT_FALSE(ButtonVisible(share.button));
        EXPECT_EQ(RegistryProbe::Read("Social", share.flag), 1u);
    }

    process().End();
    ASSERT_NO_FATAL_FAILURE(Launch());
    for (const Share& share : kShares) {
        EXPECT_FALSE(ButtonVisible(share.button)) << share.service << " is back after a restart";
    }
    EXPECT_FALSE(HasTooltipWindow());
}

TEST_F(WebLinks, ShareMenuOpensThePagesButNeitherHidesNorRemembers) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    std::vector<std::string> expected;
    for (const Share& share : kShares) {
        SCOPED_TRACE(share.service);
        Command(share.menuCommand);
        expected.push_back(share.page);
        EXPECT_EQ(Pages(expected.size()), expected);
        EXPECT_TRUE(ButtonVisible(share.button));
    }
    EXPECT_FALSE(RegistryProbe::SectionExists("Social"));
}

TEST_F(WebLinks, AfterEveryShareTheButtonsAreGoneButTheMenuStillShares) {
    for (const Share& share : kShares) RegistryProbe::Write("Social", share.flag, 1);
    ASSERT_NO_FATAL_FAILURE(Launch());

    for (const Share& share : kShares) {
        EXPECT_FALSE(ButtonVisible(share.button)) << share.service;
    }
    EXPECT_FALSE(HasTooltipWindow());

    std::vector<std::string> expected;
    for (const Share& share : kShares) {
        Command(share.menuCommand);
        expected.push_back(share.page);
        EXPECT_EQ(Pages(expected.size()), expected) << share.service;
    }
}

}  // namespace
}  // namespace quorvel::test
