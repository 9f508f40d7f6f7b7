#pragma once
// What the drivers know of the program: its control and command ids and its tray entry, taken
// from its own headers, and the texts, marks and store names that they wait for or set up. A test
// that is about one of these texts compares with the literal text instead.

#include <windows.h>

#include <array>

#include "res/resource.h"
#include "store/settings_keys.h"
#include "ui/tray_icon.h"

namespace quorvel::test {

// The mark that the program puts on every mouse event it sends.
inline constexpr ULONG_PTR kSynthesisedMark = 786;

inline constexpr char kMainWindowTitle[] = "Quorvel";
inline constexpr char kDialogClass[] = "#32770";
// The status line once a run has ended, with no shortcut key assigned.
inline constexpr char kIdleStatus[] = "Assign a Shortcut Key to Start and Stop the Mouse Clicking.";
// The status line of a first start.
inline constexpr char kFirstStatus[] = "Assign a Shortcut Key to Start / Stop the Mouse Clicking.";
inline constexpr char kArmingFailure[] =
    "Failed to Start Timer.\nTry Some Lower Value or Change Duration Selector (Milli Second(s), "
    "Second(s), or Minute(s).";

// HKCU\Software\Vantrel holds the profile; the program's sections sit below it.
inline constexpr char kCompanyKey[] = "Software\\Vantrel";
inline constexpr char kProgramKey[] = "Software\\Vantrel\\Quorvel";
// The pauses inside a click, which tests that want quick runs set to 0.
inline constexpr std::array<const char*, 4> kPauseKeys = {
    store::keys::kPressReleaseMin.name, store::keys::kPressReleaseMax.name,
    store::keys::kDoubleClickMin.name, store::keys::kDoubleClickMax.name};

}  // namespace quorvel::test

// Control and command ids under the names the tests use.
namespace quorvel::test::id {

// Main window
constexpr int kAreaFrame = IDC_CLICKABLE_AREA;
constexpr int kShortcutKey = IDC_HOTKEY;
constexpr int kAssignButton = IDC_ASSIGN_HOTKEY;
constexpr int kClearButton = IDC_CLEAR_HOTKEY;
constexpr int kLocX = IDC_LOC_X;
constexpr int kLocY = IDC_LOC_Y;
constexpr int kLocWidth = IDC_LOC_WIDTH;
constexpr int kLocHeight = IDC_LOC_HEIGHT;
constexpr int kRandomDelayFrom = IDC_RANDOM_DELAY_FROM;
constexpr int kRandomDelayRadio = IDC_DELAY_RANDOM;
constexpr int kRandomDelayTo = IDC_RANDOM_DELAY_TO;
constexpr int kFixedDelayRadio = IDC_DELAY_FIXED;
constexpr int kFixedDelay = IDC_FIXED_DELAY;
constexpr int kAtCursorRadio = IDC_LOC_CURSOR;
constexpr int kInRectangleRadio = IDC_LOC_RECTANGLE;
constexpr int kAnywhereRadio = IDC_LOC_DESKTOP;
constexpr int kUntilStoppedRadio = IDC_CLICKS_UNTIL_STOPPED;
constexpr int kStopAfterRadio = IDC_CLICKS_COUNTED;
constexpr int kClickCount = IDC_CLICK_COUNT;
constexpr int kLabelX = IDC_LABEL_X;
constexpr int kLabelY = IDC_LABEL_Y;
constexpr int kLabelWidth = IDC_LABEL_WIDTH;
constexpr int kLabelHeight = IDC_LABEL_HEIGHT;
constexpr int kSpinLocX = IDC_SPIN_LOC_X;
constexpr int kSpinLocWidth = IDC_SPIN_LOC_WIDTH;
constexpr int kClicksLabel = IDC_LABEL_CLICKS;
constexpr int kSpinClickCount = IDC_SPIN_CLICK_COUNT;
constexpr int kAndLabel = IDC_LABEL_AND;
constexpr int kStatusLine = IDC_STATUS;
constexpr int kLeftClickRadio = IDC_CLICK_LEFT;
constexpr int kRightClickRadio = IDC_CLICK_RIGHT;
constexpr int kLeftDoubleRadio = IDC_CLICK_LEFT_DOUBLE;
constexpr int kRightDoubleRadio = IDC_CLICK_RIGHT_DOUBLE;
constexpr int kMiddleClickRadio = IDC_CLICK_MIDDLE;
constexpr int kHideToTrayButton = IDC_HIDE_TO_TRAY;
constexpr int kFeedbackButton = IDC_FEEDBACK;
constexpr int kFacebookButton = IDC_SHARE_FACEBOOK;
constexpr int kGooglePlusButton = IDC_SHARE_GOOGLE;
constexpr int kTwitterButton = IDC_SHARE_TWITTER;
constexpr int kFixedDelayUnit = IDC_FIXED_DELAY_UNIT;
constexpr int kRandomDelayUnit = IDC_RANDOM_DELAY_UNIT;
constexpr int kCursorReadout = IDC_CURSOR_LOCATION;
constexpr int kPickAreaButton = IDC_PICK_AREA;
constexpr int kClickTimingButton = IDC_CLICK_TIMING;

// Click timing dialog
constexpr int kPressMinDelay = IDC_PRESS_MIN_DELAY;
constexpr int kPressMaxDelay = IDC_PRESS_MAX_DELAY;
constexpr int kDoubleClickMinDelay = IDC_DOUBLE_CLICK_MIN_DELAY;
constexpr int kDoubleClickMaxDelay = IDC_DOUBLE_CLICK_MAX_DELAY;

// Options dialog
constexpr int kTriggerButtonList = IDC_OPTION_TRIGGER_BUTTON;
constexpr int kHoldToClickBox = IDC_OPTION_HOLD_TO_CLICK;
constexpr int kExtraModifiersBox = IDC_OPTION_EXTRA_MODIFIERS;
constexpr int kStopOnMoveBox = IDC_OPTION_STOP_ON_MOVE;
constexpr int kStopAfterMinutes = IDC_OPTION_STOP_AFTER;

// Tray and context menus
constexpr int kTrayConfigure = ID_TRAY_CONFIGURE;
constexpr int kTrayExit = ID_TRAY_EXIT;
constexpr int kContextExit = ID_CONTEXT_EXIT;
constexpr int kContextSettings = ID_CONTEXT_SETTINGS;
constexpr int kContextOptions = ID_CONTEXT_OPTIONS;
constexpr int kShareGooglePlusCommand = ID_SHARE_GOOGLE;
constexpr int kShareFacebookCommand = ID_SHARE_FACEBOOK;
constexpr int kShareTwitterCommand = ID_SHARE_TWITTER;

// The message the tray entry sends the main window, with the mouse event in lParam.
constexpr UINT kTrayNotify = ui::kTrayCallbackMessage;
constexpr UINT kTrayIconId = ui::kTrayIconId;

// System menu
constexpr UINT kAboutCommand = IDM_ABOUT;

}  // namespace quorvel::test::id
