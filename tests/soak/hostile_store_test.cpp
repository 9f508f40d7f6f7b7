#include "main_window_fields.h"

#include "tests/support/click_recorder.h"
#include "tests/support/launched_program.h"
#include "tests/support/main_window.h"
#include "tests/support/message_box.h"
#include "tests/support/messaging.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "tests/e2e/quorvel_test.h"
#include "store/settings_keys.h"

#include <climits>
#include <cstdint>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace quorvel::test {
namespace {

constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kAnswerMs = 2000;
constexpr RECT kRecorderArea = {200, 150, 700, 550};
constexpr const char* kHotKeyRefused = "Failed to Set HotKey to Start / Stop Mouse Clicks";

bool IsIdleStatus(const std::string& status) {
    static const std::regex idle(R"(Press .* to Start / Stop Mouse Clicking\.)");
    return status == kIdleStatus || std::regex_match(status, idle);
}

// One recorder under the cursor for the whole suite: clicks at the cursor land on it.
class HostileStore : public ::testing::Test {
protected:
    static void SetUpTestSuite() { recorder_ = new ClickRecorder(kRecorderArea); }
    static void TearDownTestSuite() {
        delete recorder_;
        recorder_ = nullptr;
    }

    void SetUp() override {
        RegistryProbe::ClearCompanyKey();
        recorder_->Clear();
    }
    void TearDown() override {
        EndProgram();
        RegistryProbe::ClearCompanyKey();
    }

    void EndProgram() { process_.reset(); }

    // Starts the program and waits until it has finished initialising. A message box shown on
    // the way holds up the initialisation; it is pressed away and its text kept.
    void Launch() {
        startUpMessages_.clear();
        process_ = std::make_unique<QuorvelProcess>(QuorvelExePath(), "");
        ASSERT_TRUE(process_->started());
        const HWND handle = process_->WaitForMainWindow(kStartTimeoutMs);
        ASSERT_NE(handle, nullptr) << "no main window appeared";
        window_ = MainWindow(handle);
        const bool initialised = WaitUntil(
            [&] {
                if (const HWND box = WaitForMessageBox(process_->id(), handle, 0)) {
                    startUpMessages_.push_back(MessageBoxText(box));
                    DismissMessageBox(box, kPromptMs);
                }
                return window_.ItemCount(id::kRandomDelayUnit) > 0;
            },
            kStartTimeoutMs);
        ASSERT_TRUE(initialised) << "the main window never finished initialising";
    }

    void ExpectResponsive() const {
        EXPECT_TRUE(TextWithin(GetDlgItem(window_.handle(), id::kStatusLine), kAnswerMs))
            << "the main window does not answer";
    }

    // Presses the shortcut key and waits for the first clicks or for a message box.
    struct RunStart {
        std::string message;
        std::size_t buttonMessages;
    };
    RunStart StartRun() const {
        // Otherwise "no click arrived" would pass with clicks landing elsewhere.
        EXPECT_TRUE(recorder_->WaitUntilReady(kPromptMs)) << "the click recorder is not on top";
        recorder_->Clear();
        window_.PressShortcutKey();
        HWND box = nullptr;
        WaitUntil(
            [&] {
                box = WaitForMessageBox(process_->id(), window_.handle(), 0);
                return box != nullptr || recorder_->events().size() >= 4;
            },
            kPromptMs);
        RunStart start{"", recorder_->events().size()};
        if (box != nullptr) {
            start.message = MessageBoxText(box);
            EXPECT_TRUE(DismissMessageBox(box, kPromptMs));
        }
        return start;
    }

    void StopRun() const {
        window_.PressShortcutKey();
        EXPECT_TRUE(
            WaitUntil([&] { return IsIdleStatus(window_.Text(id::kStatusLine)); }, kPromptMs))
            << window_.Text(id::kStatusLine);
    }

    const MainWindow& window() const { return window_; }
    const std::vector<std::string>& startUpMessages() const { return startUpMessages_; }
    static ClickRecorder& recorder() { return *recorder_; }

private:
    static ClickRecorder* recorder_;
    std::unique_ptr<QuorvelProcess> process_;
    MainWindow window_{nullptr};
    std::vector<std::string> startUpMessages_;
};

ClickRecorder* HostileStore::recorder_ = nullptr;

class EveryKeyAtAnExtreme : public HostileStore, public ::testing::WithParamInterface<int> {};

TEST_P(EveryKeyAtAnExtreme, ShowsWhatItCanAndReportsAnImpossibleInterval) {
    const int value = GetParam();
    for (const store::SettingKey& key : store::kAllKeys) {
        RegistryProbe::Write(key.section, key.name, static_cast<DWORD>(value));
    }

    ASSERT_NO_FATAL_FAILURE(Launch());
    ExpectResponsive();
    // A key code of 0xFFFF may be refused by the system; that refusal is the only message due.
    for (const std::string& message : startUpMessages()) {
        EXPECT_EQ(message.rfind(kHotKeyRefused, 0), 0U) << message;
    }

    for (const NumericField& field : kNumericFields) {
        EXPECT_EQ(window().Text(field.id), std::to_string(value)) << field.key;
    }
    for (const RadioGroup& group : kRadioGroups) {
        for (int i = 0; i < group.size; ++i) {
            EXPECT_EQ(window().IsChecked(group.buttons[i]), i == value) << group.key << " " << i;
        }
    }
    const int expectedSelection = value >= 0 && value <= 2 ? value : -1;
    for (const UnitList& list : kUnitLists) {
        EXPECT_EQ(window().Selection(list.id), expectedSelection) << list.key;
    }

    // Not 1, so the interval is random, drawn from value to value, in the unit of the random
    // list: only 0 gives an interval that a timer can take.
    const RunStart start = StartRun();
    if (value == 0) {
        EXPECT_EQ(start.message, "");
        EXPECT_GE(start.buttonMessages, 4U) << "no clicks at the cursor";
        for (const auto& event : recorder().events()) EXPECT_EQ(event.extraInfo, kSynthesisedMark);
    } else {
        EXPECT_EQ(start.message, kArmingFailure);
        EXPECT_EQ(start.buttonMessages, 0U);
    }
    ExpectResponsive();
    StopRun();

    // Starting, showing and running change nothing in the store.
    for (const store::SettingKey& key : store::kAllKeys) {
        EXPECT_EQ(RegistryProbe::Read(key.section, key.name), static_cast<DWORD>(value))
            << key.name;
    }
}

INSTANTIATE_TEST_SUITE_P(, EveryKeyAtAnExtreme, ::testing::Values(INT_MIN, INT_MAX, 0, -1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             switch (info.param) {
                             case INT_MIN:
                                 return std::string("Smallest");
                             case INT_MAX:
                                 return std::string("Largest");
                             case 0:
                                 return std::string("Zero");
                             default:
                                 return std::string("MinusOne");
                             }
                         });

// A value of another type or size must read as the default, and stay as it was.
struct WrongType {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
};

TEST_F(HostileStore, ValuesOfTheWrongTypeReadAsDefaultsAndStayUntouched) {
    // Each holds a 2 where a reader of the wrong type would find one: read as a number, it
    // would select the rectangle, a double click and the minutes.
    const std::vector<WrongType> wrongTypes = {
        {"REG_SZ", REG_SZ, {'2', '\0'}},
        {"REG_QWORD", REG_QWORD, {2, 0, 0, 0, 0, 0, 0, 0}},
        {"2-byte REG_BINARY", REG_BINARY, {2, 0}},
    };
    for (const WrongType& wrong : wrongTypes) {
        SCOPED_TRACE(wrong.name);
        RegistryProbe::ClearCompanyKey();
        for (const store::SettingKey& key : store::kAllKeys) {
            WriteRawValue(key.section, key.name, wrong.type, wrong.data.data(),
                          static_cast<DWORD>(wrong.data.size()));
        }

        ASSERT_NO_FATAL_FAILURE(Launch());
        ExpectResponsive();
        EXPECT_TRUE(startUpMessages().empty());
        const char* defaults[] = {"0", "0", "100", "100", "10", "1", "100", "10"};
        for (std::size_t i = 0; i < std::size(kNumericFields); ++i) {
            EXPECT_EQ(window().Text(kNumericFields[i].id), defaults[i]) << kNumericFields[i].key;
        }
        for (const int checked :
             {id::kAtCursorRadio, id::kStopAfterRadio, id::kFixedDelayRadio, id::kLeftClickRadio}) {
            EXPECT_TRUE(window().IsChecked(checked)) << "radio button " << checked;
        }
        EXPECT_EQ(window().Selection(id::kFixedDelayUnit), 0);
        EXPECT_EQ(window().Selection(id::kRandomDelayUnit), 0);

        // The default run: ten left clicks at the cursor, with the default pauses.
        const RunStart start = StartRun();
        EXPECT_EQ(start.message, "");
        EXPECT_TRUE(recorder().WaitForEvents(20, kPromptMs));
        EXPECT_TRUE(
            WaitUntil([&] { return IsIdleStatus(window().Text(id::kStatusLine)); }, kPromptMs));
        DispatchPendingMessages();
        EXPECT_EQ(recorder().events().size(), 20U);

        for (const store::SettingKey& key : store::kAllKeys) {
            EXPECT_EQ(StoredType(key.section, key.name), wrong.type) << key.name;
        }
        EndProgram();
    }
}

// Intervals that no timer can take, in the fixed unit.
struct ImpossibleInterval {
    const char* name;
    int value;
    int unit;
};

class ImpossibleFixedInterval : public HostileStore,
                                public ::testing::WithParamInterface<ImpossibleInterval> {};

TEST_P(ImpossibleFixedInterval, IsReportedAndTheNextPressStops) {
    RegistryProbe::Write("Settings", "m_iFixedDelayInClicks", static_cast<DWORD>(GetParam().value));
    RegistryProbe::Write("Settings", "m_ctrlComboFixedDelayScales",
                         static_cast<DWORD>(GetParam().unit));
    ASSERT_NO_FATAL_FAILURE(Launch());

    const RunStart start = StartRun();
    EXPECT_EQ(start.message, kArmingFailure);
    EXPECT_EQ(start.buttonMessages, 0U);
    EXPECT_TRUE(window().Text(id::kStatusLine).ends_with(" - Mouse Clicks Scheduled."))
        << window().Text(id::kStatusLine);
    StopRun();
    EXPECT_EQ(recorder().events().size(), 0U);
}

INSTANTIATE_TEST_SUITE_P(, ImpossibleFixedInterval,
                         ::testing::Values(ImpossibleInterval{"LargestInSeconds", INT_MAX, 1},
                                           ImpossibleInterval{"BeyondTheRangeInMinutes", 35792, 2},
                                           ImpossibleInterval{"NegativeMilliseconds", -1, 0}),
                         [](const ::testing::TestParamInfo<ImpossibleInterval>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace quorvel::test
