#include "program_handle.h"

#include "tests/support/click_recorder.h"
#include "tests/support/messaging.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "tests/e2e/quorvel_test.h"

#include <cstdio>
#include <string>
#include <vector>

namespace quorvel::test {
namespace {

constexpr int kClicks = QUORVEL_SOAK_CLICKS;
// Memory is first measured once the program has settled into clicking.
constexpr int kSettledClicks = 1000;

// The status line must answer within this time throughout the run.
constexpr DWORD kAnswerMs = 2000;
constexpr DWORD kProbeEveryMs = 500;
// Wine raises a zero timer to about 10 ms; four times that per click is a generous bound.
constexpr DWORD kRunTimeoutMs = kClicks * 40 + 30000;
constexpr std::size_t kMemoryToleranceBytes = 4 * 1024 * 1024;

class ClickSoak : public RectangleClicksTest {
protected:
    // Back to back: no pauses inside a click, no interval between clicks.
    void LaunchForBackToBackClicks() {
        ASSERT_NO_FATAL_FAILURE(LaunchClickingInRectangle());
        const MainWindow& w = window();
        w.Click(id::kStopAfterRadio);
        w.Type(id::kClickCount, std::to_string(kClicks));
        w.Click(id::kFixedDelayRadio);
        w.Type(id::kFixedDelay, "0");
        w.Pick(id::kFixedDelayUnit, 0);
        w.Click(id::kLeftClickRadio);
    }

    // Waits for the recorder to hold count button messages, asking the status line for its
    // text every half second meanwhile; each question it leaves unanswered is counted.
    bool WaitForButtonMessages(std::size_t count, DWORD timeoutMs) {
        const HWND statusLine = GetDlgItem(window().handle(), id::kStatusLine);
        ULONGLONG nextProbe = 0;
        return WaitUntil(
            [&] {
                if (GetTickCount64() >= nextProbe) {
                    ++probes_;
                    if (!TextWithin(statusLine, kAnswerMs)) ++unanswered_;
                    nextProbe = GetTickCount64() + kProbeEveryMs;
                }
                return recorder().events().size() >= count;
            },
            timeoutMs);
    }

    int probes() const { return probes_; }
    int unanswered() const { return unanswered_; }

private:
    int probes_ = 0;
    int unanswered_ = 0;
};

TEST_F(ClickSoak, BackToBackClicksAllArriveWhileTheProgramStaysResponsiveAndDoesNotGrow) {
    ASSERT_NO_FATAL_FAILURE(LaunchForBackToBackClicks());
    const ProgramHandle program(process().id());
    ASSERT_TRUE(program.valid());
    const std::size_t expected = 2 * static_cast<std::size_t>(kClicks);

    const ULONGLONG started = GetTickCount64();
    window().PressShortcutKey();
    ASSERT_TRUE(WaitForButtonMessages(2 * kSettledClicks, kRunTimeoutMs))
        << "only " << recorder().events().size() << " button messages arrived";
    const std::optional<ProgramMemory> settled = program.Memory();
    ASSERT_TRUE(settled.has_value()) << "the system does not tell the program's memory use";

    ASSERT_TRUE(WaitForButtonMessages(expected, kRunTimeoutMs))
        << "only " << recorder().events().size() << " of " << expected
        << " button messages arrived";
    ASSERT_TRUE(WaitUntil([&] { return window().Text(id::kStatusLine) == kIdleStatus; }, kPromptMs))
        << window().Text(id::kStatusLine);
    const double seconds = static_cast<double>(GetTickCount64() - started) / 1000.0;
    std::printf("%d clicks took %.1f s\n", kClicks, seconds);
    RecordProperty("seconds", std::to_string(seconds));
    const std::optional<ProgramMemory> finished = program.Memory();
    ASSERT_TRUE(finished.has_value());
    // The run has ended, so whatever it sent is queued by now.
    DispatchPendingMessages();

    const std::vector<RecordedButton>& events = recorder().events();
    EXPECT_EQ(events.size(), expected) << "button messages were lost or invented";
    std::size_t wrongMessage = 0;
    std::size_t unmarked = 0;
    std::size_t strayed = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        wrongMessage += events[i].message != (i % 2 == 0 ? WM_LBUTTONDOWN : WM_LBUTTONUP);
        unmarked += events[i].extraInfo != kSynthesisedMark;
        strayed += !InsideClickRectangle(events[i].screenPoint);
    }
    EXPECT_EQ(wrongMessage, 0U) << "presses and releases out of turn";
    EXPECT_EQ(unmarked, 0U) << "button messages without the extra information 786";
    EXPECT_EQ(strayed, 0U) << "clicks outside the rectangle";

    EXPECT_EQ(unanswered(), 0) << "the status line left " << unanswered() << " of " << probes()
                               << " questions unanswered within " << kAnswerMs << " ms";
    EXPECT_EQ(TextWithin(GetDlgItem(window().handle(), id::kStatusLine), kAnswerMs),
              std::optional<std::string>(kIdleStatus));

    const auto growth = [](std::size_t before, std::size_t after) {
        return after > before ? after - before : 0;
    };
    EXPECT_LE(growth(settled->workingSet, finished->workingSet), kMemoryToleranceBytes)
        << "working set " << settled->workingSet << " -> " << finished->workingSet;
    EXPECT_LE(growth(settled->privateBytes, finished->privateBytes), kMemoryToleranceBytes)
        << "private bytes " << settled->privateBytes << " -> " << finished->privateBytes;
    std::printf("working set %zu -> %zu, private bytes %zu -> %zu\n", settled->workingSet,
                finished->workingSet, settled->privateBytes, finished->privateBytes);
}

}  // namespace
}  // namespace quorvel::test
