#include "background_sender.h"
#include "main_window_fields.h"
#include "program_handle.h"

#include "tests/support/click_recorder.h"
#include "tests/support/message_box.h"
#include "tests/support/messaging.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "tests/e2e/quorvel_test.h"
#include "platform/integer_field.h"
#include "ui/main_window_settings.h"

#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace quorvel::test {
namespace {

using quorvel::win::ParseIntegerField;
using ui::kMainWindowKeys;

// Fixed, so that a failing sequence of changes can be replayed.
constexpr std::uint32_t kSeed = 20240611;
constexpr int kChanges = QUORVEL_SOAK_FIELD_CHANGES;
// Now and then the test brings clicking back to a short interval, since random changes stop it
// (a count limit, a long or impossible interval).
constexpr int kChangesBetweenRestarts = 100;
constexpr DWORD kAnswerMs = 2000;

// What the window's controls hold, as the test has set them.
struct Fields {
    std::array<std::string, kNumericFields.size()> texts;
    std::array<int, kRadioGroups.size()> radios{};
    std::array<int, kUnitLists.size()> units{};

    bool AllAccepted() const {
        for (const std::string& text : texts) {
            if (!ParseIntegerField(text)) return false;
        }
        return true;
    }
};

using StoreValues = std::array<int, kMainWindowKeys.size()>;

// A save of fields that all read as integers: the fourteen values in the store's key order, and
// the texts the fields show after it. A lower bound at or above the upper one raises the upper
// one past it (or to it at the top of the range), and the window then shows every field in
// plain decimal form.
struct Save {
    StoreValues store;
    std::array<std::string, kNumericFields.size()> texts;
};

Save ExpectedSave(const Fields& fields) {
    std::array<int, kNumericFields.size()> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        numbers[i] = *ParseIntegerField(fields.texts[i]);
    }
    Save save{{}, fields.texts};
    int& from = numbers[kRandomDelayFromField];
    int& to = numbers[kRandomDelayToField];
    if (from >= to) {
        to = from == INT_MAX ? INT_MAX : from + 1;
        for (std::size_t i = 0; i < numbers.size(); ++i) save.texts[i] = std::to_string(numbers[i]);
    }
    save.store = {fields.radios[0], numbers[0],       numbers[1],       numbers[2],     numbers[3],
                  fields.radios[1], numbers[4],       fields.radios[2], numbers[5],     numbers[6],
                  numbers[7],       fields.radios[3], fields.units[0],  fields.units[1]};
    return save;
}

struct Change {
    enum class Kind { Text, Radio, Unit } kind;
    std::size_t target;  // field, radio group or unit list
    std::string text;
    int choice = 0;  // button of the group or position of the list

    std::string Describe() const {
        switch (kind) {
        case Kind::Text:
            return std::string(kNumericFields[target].key) + " <- \"" + text + "\"";
        case Kind::Radio:
            return std::string(kRadioGroups[target].key) + " <- button " + std::to_string(choice);
        case Kind::Unit:
            return std::string(kUnitLists[target].key) + " <- position " + std::to_string(choice);
        }
        return {};
    }

    void ApplyTo(Fields& fields) const {
        switch (kind) {
        case Kind::Text:
            fields.texts[target] = text;
            break;
        case Kind::Radio:
            fields.radios[target] = choice;
            break;
        case Kind::Unit:
            fields.units[target] = choice;
            break;
        }
    }
};

// Random changes as a restless person would make them: mostly plausible numbers, some odd but
// acceptable forms, some numbers anywhere in 32 bits, and now and then text that is no number,
// which is usually put right at once (each refusal costs wine seconds to hide its box).
class ChangeMaker {
public:
    Change Next(const Fields& fields) {
        for (std::size_t field = 0; field < fields.texts.size(); ++field) {
            if (!ParseIntegerField(fields.texts[field]) && Draw(10) < 7) {
                return {Change::Kind::Text, field, std::to_string(PlausibleNumber(field))};
            }
        }
        const std::uint32_t kind = Draw(100);
        if (kind < 60) {
            const std::size_t field = Draw(kNumericFields.size());
            return {Change::Kind::Text, field, RandomText(field)};
        }
        if (kind < 90) {
            const std::size_t group = Draw(kRadioGroups.size());
            return {Change::Kind::Radio, group, "",
                    static_cast<int>(Draw(kRadioGroups[group].size))};
        }
        const std::size_t list = Draw(kUnitLists.size());
        return {Change::Kind::Unit, list, "", static_cast<int>(Draw(3))};
    }

private:
    std::uint32_t Draw(std::size_t bound) {
        return generator_() % static_cast<std::uint32_t>(bound);
    }

    std::string RandomText(std::size_t field) {
        static const std::vector<std::string> refused = {
            "",    "-",   "+",   " ",     "abc",        "1 2",         "12a",        "0x10",
            "4.5", "--1", "+ 5", "1,000", "2147483648", "-2147483649", "99999999999"};
        static const std::vector<std::string> oddButAccepted = {
            " 42 ", "+7", "007", "-0", "\t5", "-5", "2147483647", "-2147483648", "0"};
        const std::uint32_t kind = Draw(100);
        if (kind < 5) return refused[Draw(refused.size())];
        if (kind < 12) return oddButAccepted[Draw(oddButAccepted.size())];
        if (kind < 17) return std::to_string(static_cast<std::int32_t>(generator_()));
        return std::to_string(PlausibleNumber(field));
    }

    // Short intervals keep clicking going; the rectangle stays on the screen.
    int PlausibleNumber(std::size_t field) {
        switch (field) {
        case 0:
            return static_cast<int>(Draw(1280));
        case 1:
            return static_cast<int>(Draw(1024));
        case 2:
        case 3:
            return 1 + static_cast<int>(Draw(400));
        case 4:
            return 1 + static_cast<int>(Draw(200));
        default:
            return static_cast<int>(Draw(21));
        }
    }

    std::mt19937 generator_{kSeed};
};

// A box over which another one has opened cannot end before the newer one does; once pressed it
// is hidden and counts as answered.
bool PressAway(HWND box) {
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    return WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kPromptMs);
}

bool IsExpectedMessage(const std::string& text) {
    return text == kArmingFailure || text.find("integer") != std::string::npos;
}

class FieldChangeSoak : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        // A click's pauses block the program's thread, and with it every question the test asks.
        for (const char* pause : kPauseKeys) RegistryProbe::Write("Settings", pause, 0);
        ASSERT_NO_FATAL_FAILURE(Launch());
        const RECT screen = {
            GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        // Over the whole desktop, so that every click lands on it wherever the settings put it.
        recorder_ = std::make_unique<ClickRecorder>(screen);
        ASSERT_TRUE(recorder_->WaitUntilReady(kPromptMs));
        for (std::size_t i = 0; i < kNumericFields.size(); ++i) {
            fields_.texts[i] = window().Text(kNumericFields[i].id);
        }
        for (std::size_t g = 0; g < kRadioGroups.size(); ++g) {
            fields_.radios[g] = CheckedButton(g);
        }
        for (std::size_t l = 0; l < kUnitLists.size(); ++l) {
            fields_.units[l] = window().Selection(kUnitLists[l].id);
        }
    }

    int CheckedButton(std::size_t group) const {
        for (int i = 0; i < kRadioGroups[group].size; ++i) {
            if (window().IsChecked(kRadioGroups[group].buttons[i])) return i;
        }
        return -1;
    }

    // Makes the change as a person would. A change that a refused field will answer with a
    // message box is sent in the background, since the box waits for a person; the test waits
    // only until the control shows the change, so that later changes cannot overtake it.
    void Make(const Change& change) {
        const Fields before = fields_;
        change.ApplyTo(fields_);
        const bool accepted = fields_.AllAccepted();
        ++(accepted ? acceptedChanges_ : refusedChanges_);
        const HWND main = window().handle();
        switch (change.kind) {
        case Change::Kind::Text: {
            const int field = kNumericFields[change.target].id;
            if (accepted) {
                window().Type(field, change.text);
            } else {
                sender_.SetText(GetDlgItem(main, field), change.text);
                if (change.text != before.texts[change.target]) {
                    ASSERT_TRUE(
                        WaitUntil([&] { return window().Text(field) == change.text; }, kPromptMs));
                }
            }
            break;
        }
        case Change::Kind::Radio: {
            const int button = kRadioGroups[change.target].buttons[change.choice];
            if (accepted) {
                window().Click(button);
            } else {
                sender_.Send(GetDlgItem(main, button), BM_CLICK, 0, 0);
                ASSERT_TRUE(WaitUntil([&] { return window().IsChecked(button); }, kPromptMs));
            }
            break;
        }
        case Change::Kind::Unit: {
            const int listId = kUnitLists[change.target].id;
            if (accepted) {
                window().Pick(listId, change.choice);
            } else {
                const HWND list = GetDlgItem(main, listId);
                Send(list, CB_SETCURSEL, static_cast<WPARAM>(change.choice), 0);
                sender_.Send(main, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(list));
            }
            break;
        }
        }
        if (accepted) {
            ExpectSaved();
        } else {
            ExpectRefusedWithAMessage();
        }
    }

    // The store holds exactly what the fields show, and the fields what was typed.
    void ExpectSaved() {
        const Save save = ExpectedSave(fields_);
        // A save raises the random delay's upper bound when it must: the fields may show the
        // change before that, while the click it came during pauses.
        WaitUntil(
            [&] {
                for (std::size_t i = 0; i < kNumericFields.size(); ++i) {
                    if (window().Text(kNumericFields[i].id) != save.texts[i]) return false;
                }
                return true;
            },
            kPromptMs);
        for (std::size_t i = 0; i < kNumericFields.size(); ++i) {
            EXPECT_EQ(window().Text(kNumericFields[i].id), save.texts[i]) << kNumericFields[i].key;
        }
        for (std::size_t g = 0; g < kRadioGroups.size(); ++g) {
            EXPECT_EQ(CheckedButton(g), fields_.radios[g]) << kRadioGroups[g].key;
        }
        fields_.texts = save.texts;
        lastSaved_ = save.store;
        ExpectStoreHoldsLastSave();
    }

    void ExpectRefusedWithAMessage() {
        const HWND box = WaitForMessageBox(process().id(), window().handle(), kPromptMs);
        ASSERT_NE(box, nullptr) << "no message for a field that is not an integer";
        const std::string text = MessageBoxText(box);
        EXPECT_TRUE(IsExpectedMessage(text)) << text;
        ASSERT_TRUE(PressAway(box));
        ++messages_;
        ExpectStoreHoldsLastSave();
    }

    bool StoreHoldsLastSave() const {
        for (std::size_t k = 0; k < kMainWindowKeys.size(); ++k) {
            const std::optional<DWORD> stored =
                RegistryProbe::Read(kMainWindowKeys[k].section, kMainWindowKeys[k].name);
            if (stored != (lastSaved_ ? std::optional<DWORD>((*lastSaved_)[k]) : std::nullopt)) {
                return false;
            }
        }
        return true;
    }

    // A change that comes while a click pauses is saved once the click's tick is over, so the
    // store is given that long.
    void ExpectStoreHoldsLastSave() const {
        WaitUntil([&] { return StoreHoldsLastSave(); }, kPromptMs);
        for (std::size_t k = 0; k < kMainWindowKeys.size(); ++k) {
            const char* const key = kMainWindowKeys[k].name;
            const std::optional<DWORD> stored =
                RegistryProbe::Read(kMainWindowKeys[k].section, key);
            if (lastSaved_) {
                EXPECT_EQ(stored, static_cast<DWORD>((*lastSaved_)[k])) << key;
            } else {
                EXPECT_EQ(stored, std::nullopt) << key;
            }
        }
    }

    // Clicks that run into a refused field or an impossible interval bring up boxes of their
    // own at any time; they are pressed away as they come.
    void DismissOpenMessages() {
        while (const HWND box = WaitForMessageBox(process().id(), window().handle(), 0)) {
            const std::string text = MessageBoxText(box);
            EXPECT_TRUE(IsExpectedMessage(text)) << text;
            ASSERT_TRUE(PressAway(box));
            ++messages_;
        }
    }

    // Every field back to a number, clicking until stopped every 5 ms, and a fresh run.
    void RestartQuickClicking() {
        for (std::size_t i = 0; i < kNumericFields.size(); ++i) {
            if (!ParseIntegerField(fields_.texts[i])) {
                ASSERT_NO_FATAL_FAILURE(Make({Change::Kind::Text, i, "1"}));
            }
        }
        ASSERT_NO_FATAL_FAILURE(Make({Change::Kind::Radio, kHowManyGroup, "", 0}));
        ASSERT_NO_FATAL_FAILURE(Make({Change::Kind::Radio, kDelayGroup, "", 1}));
        ASSERT_NO_FATAL_FAILURE(Make({Change::Kind::Text, kNumericFields.size() - 1, "5"}));
        ASSERT_NO_FATAL_FAILURE(Make({Change::Kind::Unit, 0, "", 0}));
        ASSERT_NO_FATAL_FAILURE(DismissOpenMessages());
        // Until stopped: the run can no longer end by itself, so the status line tells whether
        // one press (idle) or two (running or halted) start it afresh.
        const std::string status = window().Text(id::kStatusLine);
        const bool idle = status == kIdleStatus || status == kFirstStatus;
        window().PressShortcutKey();
        if (!idle) window().PressShortcutKey();
        const std::size_t before = recorder_->events().size();
        EXPECT_TRUE(recorder_->WaitForEvents(before + 4, kPromptMs)) << "clicking did not resume";
    }

    ChangeMaker changes_;
    Fields fields_;
    std::optional<StoreValues> lastSaved_;
    std::unique_ptr<ClickRecorder> recorder_;
    BackgroundSender sender_;
    int acceptedChanges_ = 0;
    int refusedChanges_ = 0;
    int messages_ = 0;
};

TEST_F(FieldChangeSoak, StoreFollowsEveryAcceptedChangeWhileClickingRuns) {
    const ProgramHandle program(process().id());
    ASSERT_TRUE(program.valid());
    const ULONGLONG started = GetTickCount64();
    ASSERT_NO_FATAL_FAILURE(RestartQuickClicking());

    for (int step = 1; step <= kChanges && !HasFailure(); ++step) {
        const Change change = changes_.Next(fields_);
        SCOPED_TRACE("change " + std::to_string(step) + ": " + change.Describe());
        ASSERT_NO_FATAL_FAILURE(Make(change));
        ASSERT_NO_FATAL_FAILURE(DismissOpenMessages());
        if (step % kChangesBetweenRestarts == 0) {
            ASSERT_NO_FATAL_FAILURE(RestartQuickClicking());
        }
    }

    ASSERT_NO_FATAL_FAILURE(RestartQuickClicking());
    window().PressShortcutKey();
    EXPECT_TRUE(
        WaitUntil([&] { return window().Text(id::kStatusLine) == kIdleStatus; }, kPromptMs));
    ASSERT_NO_FATAL_FAILURE(DismissOpenMessages());
    sender_.WaitForAll();
    DispatchPendingMessages();
    std::size_t unmarked = 0;
    for (const auto& event : recorder_->events()) unmarked += event.extraInfo != kSynthesisedMark;
    EXPECT_EQ(unmarked, 0U);
    std::printf(
        "%d accepted and %d refused changes, %d message boxes, %zu button messages in "
        "%.1f s\n",
        acceptedChanges_, refusedChanges_, messages_, recorder_->events().size(),
        static_cast<double>(GetTickCount64() - started) / 1000.0);

    EXPECT_TRUE(TextWithin(GetDlgItem(window().handle(), id::kStatusLine), kAnswerMs))
        << "the main window does not answer";
    PostMessageA(window().handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExitCode(kPromptMs), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace quorvel::test
