#include <array>
#include <memory>
#include <optional>
#include <string>

#include "tests/support/area_picker_window.h"
#include "tests/support/keyboard.h"
#include "tests/support/message_box.h"
#include "tests/support/mouse.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/top_level_windows.h"
#include "tests/support/wait.h"
#include "quorvel_test.h"

namespace quorvel::test {
namespace {

constexpr const char* kInfoText =
    "This is a One Time Information Message, After Reading it Click on OK to Close this "
    "Information Box.\n\nThis Action Allows you to Select the Screen Area in a Similar way as "
    "Mouse Drag and Drop.\n\nWhen you Screen Dims due to this Action, Press Left Button of Mouse "
    "and Move Mouse Cursor so that Screen Area you wish to Capture is Covered and then Release "
    "the Mouse Cursor.\n\nEsc Key will Cancel Screen Capture.";

// The first start of a wine program in a fresh session can take a while.
constexpr DWORD kStartTimeoutMs = 20000;

using Rectangle = std::array<std::string, 4>;
using StoredInts = std::array<std::optional<int>, 4>;

std::optional<int> ReadSetting(const char* key) {
    const std::optional<DWORD> value = RegistryProbe::Read("Settings", key);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

StoredInts StoredRectangle() {
    return {ReadSetting("m_iLocX"), ReadSetting("m_iLocY"), ReadSetting("m_iLocWidth"),
            ReadSetting("m_iLocHeight")};
}

StoredInts StoredPickerCorners() {
    return {ReadSetting("m_oStartingPoint.x"), ReadSetting("m_oStartingPoint.y"),
            ReadSetting("m_oClosingPoint.x"), ReadSetting("m_oClosingPoint.y")};
}

void StorePickerCorners(POINT start, POINT end) {
    RegistryProbe::Write("Settings", "m_oStartingPoint.x", static_cast<DWORD>(start.x));
    RegistryProbe::Write("Settings", "m_oStartingPoint.y", static_cast<DWORD>(start.y));
    RegistryProbe::Write("Settings", "m_oClosingPoint.x", static_cast<DWORD>(end.x));
    RegistryProbe::Write("Settings", "m_oClosingPoint.y", static_cast<DWORD>(end.y));
}

void MarkInfoMessageShown() { RegistryProbe::Write("Settings", "vl_iInfoMessageDisplayed", 1); }

Rectangle Fields(const MainWindow& window) {
    return {window.Text(id::kLocX), window.Text(id::kLocY), window.Text(id::kLocWidth),
            window.Text(id::kLocHeight)};
}

// Click location 2, the rectangle, which alone enables the pick button.
void ChooseRectangle(const MainWindow& window) {
    window.Click(id::kInRectangleRadio);
    ASSERT_TRUE(window.IsEnabled(id::kPickAreaButton));
    ASSERT_EQ(ReadSetting("m_iClickLocation"), 2);
}

// The button click comes back only once the picker has ended, so it is posted.
void StartPick(const MainWindow& window) {
    PostMessageA(GetDlgItem(window.handle(), id::kPickAreaButton), BM_CLICK, 0, 0);
}

bool Minimised(const MainWindow& window) { return IsIconic(window.handle()) != FALSE; }

bool WaitUntilRestored(const MainWindow& window) {
    return WaitUntil([&] { return !Minimised(window) && IsWindowVisible(window.handle()); },
                     kPromptMs);
}

// The picker must take the foreground by its own right: Quorvel lets it, and nobody helps.
void CancelPicker(HWND picker) {
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == picker; }, kPromptMs))
        << "the picker never had the keyboard, so Esc could not reach it";
    PressCombination(0, VK_ESCAPE);
}

class AreaPicking : public QuorvelTest {
protected:
    // Asks for a pick and waits for the picker; the main window must be out of the way by then.
    HWND StartPickerRun() const {
        StartPick(window());
        const HWND picker = WaitForAreaPickerWindow(kStartTimeoutMs);
        EXPECT_NE(picker, nullptr) << "the area picker did not come up";
        EXPECT_TRUE(Minimised(window())) << "the main window stayed up during the pick";
        return picker;
    }

    void PickByDragging(POINT from, POINT to) const {
        const HWND picker = StartPickerRun();
        ASSERT_NE(picker, nullptr);
        DragWithLeftButton(from, to, 8);
        ASSERT_TRUE(WaitUntilRestored(window())) << "the main window did not come back";
    }

    void PickByClicking(POINT at) const {
        const HWND picker = StartPickerRun();
        ASSERT_NE(picker, nullptr);
        ClickWithLeftButton(at);
        ASSERT_TRUE(WaitUntilRestored(window())) << "the main window did not come back";
    }
};

TEST_F(AreaPicking, InformationMessageComesBeforeTheFirstPickOnly) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(ChooseRectangle(window()));

    StartPick(window());
    const HWND box = WaitForMessageBox(process().id(), window().handle(), kPromptMs);
    ASSERT_NE(box, nullptr) << "the first pick showed no information message";
    EXPECT_EQ(MessageBoxText(box), kInfoText);
    EXPECT_EQ(ReadSetting("vl_iInfoMessageDisplayed"), std::nullopt)
        << "the message counts as shown only once it has been read";
    ASSERT_TRUE(DismissMessageBox(box, kPromptMs));
    EXPECT_TRUE(WaitUntil([] { return ReadSetting("vl_iInfoMessageDisplayed") == 1; }, kPromptMs));

    HWND picker = WaitForAreaPickerWindow(kStartTimeoutMs);
    ASSERT_NE(picker, nullptr) << "the picker did not follow the message";
    ASSERT_NO_FATAL_FAILURE(CancelPicker(picker));
    ASSERT_TRUE(WaitUntilRestored(window()));

    // The picker is already up when the second pick would have asked first.
    picker = StartPickerRun();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(WaitForMessageBox(process().id(), window().handle(), 0), nullptr);
    ASSERT_NO_FATAL_FAILURE(CancelPicker(picker));
    ASSERT_TRUE(WaitUntilRestored(window()));
}

TEST_F(AreaPicking, DraggedAreaFillsTheRectangleFieldsAndTheStore) {
    MarkInfoMessageShown();
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(ChooseRectangle(window()));

    ASSERT_NO_FATAL_FAILURE(PickByDragging({300, 200}, {560, 420}));
    EXPECT_EQ(Fields(window()), (Rectangle{"300", "200", "260", "220"}));
    EXPECT_EQ(StoredRectangle(), (StoredInts{300, 200, 260, 220}));
    EXPECT_EQ(StoredPickerCorners(), (StoredInts{300, 200, 560, 420}));

    // Dragged up and to the left: the same area as dragged the other way.
    ASSERT_NO_FATAL_FAILURE(PickByDragging({700, 600}, {640, 450}));
    EXPECT_EQ(Fields(window()), (Rectangle{"640", "450", "60", "150"}));
    EXPECT_EQ(StoredRectangle(), (StoredInts{640, 450, 60, 150}));
    EXPECT_EQ(StoredPickerCorners(), (StoredInts{640, 450, 700, 600}));

    // A click without a drag: the one point that rectangle mode then clicks.
    ASSERT_NO_FATAL_FAILURE(PickByClicking({333, 222}));
    EXPECT_EQ(StoredRectangle(), (StoredInts{333, 222, 0, 0}));

    EXPECT_TRUE(window().IsChecked(id::kInRectangleRadio));
    EXPECT_EQ(ReadSetting("m_iClickLocation"), 2);
}

TEST_F(AreaPicking, EscapeInThePickerChangesNothing) {
    MarkInfoMessageShown();
    // Left by an earlier pick: a picker that handed back nothing would bring these back.
    StorePickerCorners({10, 20}, {110, 220});
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(ChooseRectangle(window()));
    window().Type(id::kLocX, "40");
    const Rectangle fields = Fields(window());
    const StoredInts stored = StoredRectangle();
    ASSERT_EQ(stored, (StoredInts{40, 0, 100, 100}));

    const HWND picker = StartPickerRun();
    ASSERT_NE(picker, nullptr);
    ASSERT_NO_FATAL_FAILURE(CancelPicker(picker));
    ASSERT_TRUE(WaitUntilRestored(window()));

    EXPECT_EQ(StoredPickerCorners(), (StoredInts{0, 0, 0, 0}));
    EXPECT_EQ(Fields(window()), fields);
    EXPECT_EQ(StoredRectangle(), stored);
    EXPECT_EQ(ReadSetting("m_iClickLocation"), 2);
}

// Presses away any box the program shows besides its main window and returns its text; empty
// when there is none.
std::string DismissUnexpectedBox(DWORD processId, HWND mainWindow) {
    const HWND box = FindTopLevelWindow([&](HWND window) {
        return OwningProcess(window) == processId && window != mainWindow &&
               WindowClass(window) == "#32770" && IsWindowVisible(window);
    });
    if (box == nullptr) return {};
    std::string text = MessageBoxText(box);
    DismissMessageBox(box, kPromptMs);
    return text;
}

// A copy of Quorvel.exe alone in a folder of its own, so that no picker lies beside it.
class LoneCopy {
public:
    LoneCopy() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ =
            std::string(temp) + "quorvel-without-picker-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        path_ = folder_ + "\\Quorvel.exe";
        copied_ = CopyFileA(QuorvelExePath().c_str(), path_.c_str(), FALSE) != FALSE;
    }
    ~LoneCopy() {
        // The program has ended by now; leftovers in the temporary folder do no harm.
        DeleteFileA(path_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    LoneCopy(const LoneCopy&) = delete;
    LoneCopy& operator=(const LoneCopy&) = delete;

    bool copied() const { return copied_; }
    const std::string& path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
    bool copied_ = false;
};

TEST_F(AreaPicking, WithoutAPickerTheLastStoredPickIsAppliedAgain) {
    MarkInfoMessageShown();
    const LoneCopy copy;
    ASSERT_TRUE(copy.copied());
    QuorvelProcess quorvel(copy.path(), "");
    ASSERT_TRUE(quorvel.started());
    const MainWindow lone(quorvel.WaitForMainWindow(kStartTimeoutMs));
    ASSERT_NE(lone.handle(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return lone.ItemCount(id::kRandomDelayUnit) > 0; }, kPromptMs));
    ASSERT_NO_FATAL_FAILURE(ChooseRectangle(lone));

    // No picker and no earlier pick: the window goes down and up again and that is all. The
    // click is sent, so it returns once the program has dealt with it.
    lone.Click(id::kPickAreaButton);
    EXPECT_EQ(DismissUnexpectedBox(quorvel.id(), lone.handle()), "")
        << "the missing picker was reported";
    EXPECT_TRUE(WaitUntilRestored(lone));
    EXPECT_EQ(Fields(lone), (Rectangle{"0", "0", "100", "100"}));
    EXPECT_EQ(StoredRectangle(), (StoredInts{0, 0, 100, 100}));
    EXPECT_EQ(StoredPickerCorners(), (StoredInts{}));

    StorePickerCorners({50, 60}, {250, 160});
    lone.Click(id::kPickAreaButton);
    EXPECT_EQ(DismissUnexpectedBox(quorvel.id(), lone.handle()), "");
    EXPECT_TRUE(WaitUntilRestored(lone));
    EXPECT_EQ(Fields(lone), (Rectangle{"50", "60", "200", "100"}));
    EXPECT_EQ(StoredRectangle(), (StoredInts{50, 60, 200, 100}));
    EXPECT_EQ(ReadSetting("m_iClickLocation"), 2);
}

}  // namespace
}  // namespace quorvel::test
