// The Options in effect: hold or toggle for the shortcut and the trigger button, the shortcut's
// extra combinations, the input hook that the options need, the time limit, and what the hook
// tells the window.

#include "ui/dlg_clicker.h"

#include "platform/newer_windows.h"
#include "store/settings_keys.h"
#include "ui/hotkey_modifiers.h"
#include "ui/options_settings.h"

namespace quorvel::ui {
namespace {

// After hot key 1, the shortcut itself: at most seven combinations with extra modifiers.
constexpr int kFirstExtraHotKeyId = 2;
constexpr int kExtraHotKeyIds = 7;

constexpr std::int64_t kMicrosecondsPerMinute = 60'000'000;

// What an event of the hook asks the trigger, which it changes; a stop for the hand's movement.
quorvel::TriggerAction ActionOf(quorvel::StartStopTrigger& trigger, LPARAM event, bool clicking,
                                bool stopOnMouseMove) {
    using quorvel::TriggerSource;
    using quorvel::win::HookEvent;
    switch (quorvel::win::HookEventOf(event)) {
    case HookEvent::ButtonDown:
        return trigger.Press(TriggerSource::MouseButton, clicking);
    case HookEvent::ButtonUp:
        return trigger.Release(TriggerSource::MouseButton, clicking);
    case HookEvent::KeyUp:
        return trigger.Release(TriggerSource::ShortcutKey, clicking);
    case HookEvent::MovedByHand:
        return clicking && stopOnMouseMove ? quorvel::TriggerAction::Stop
                                           : quorvel::TriggerAction::None;
    }
    return quorvel::TriggerAction::None;
}

}  // namespace

void CDlgClicker::ApplyOptions() {
    options_ = ReadOptions(store_);
    scheduler_.SetTimeLimit(options_.stopAfterMinutes * kMicrosecondsPerMinute);
    ApplyShortcutOptions();
}

void CDlgClicker::ApplyShortcutOptions() {
    const StoredHotKey key = m_hotKeyStore.LoadHotKey(quorvel::store::keys::kHotKeyControlName);
    RegisterExtraCombinations(key);

    quorvel::win::InputHookNeeds needs;
    needs.button = options_.triggerButton;
    needs.watchMovement = options_.stopOnMouseMove;
    // Holding needs the key's release; toggling with the hook in anyway, the release it tells
    // makes sure that a quick one is never missed between two presses.
    const bool hooked =
        needs.button != quorvel::TriggerButton::None || needs.watchMovement || options_.holdToClick;
    needs.releasedKey = hooked ? key.virtualKey : 0;
    inputHook_.Apply(hwnd(), needs);
    // What the trigger took for held may have been pressed while no hook told its release.
    trigger_ = quorvel::StartStopTrigger();
    trigger_.SetHoldToClick(options_.holdToClick);
    // A run already going is watched from here on.
    if (scheduler_.IsClicking()) WatchHandMovement();
}

void CDlgClicker::RegisterExtraCombinations(const StoredHotKey& key) {
    for (int id = kFirstExtraHotKeyId; id < kFirstExtraHotKeyId + kExtraHotKeyIds; ++id) {
        UnregisterHotKey(hwnd(), id);  // most were never registered
    }
    if (!options_.extraModifiers || key.virtualKey == 0) return;
    int id = kFirstExtraHotKeyId;
    for (const std::uint16_t modifiers : WithExtraModifiers(key.registrationFlags)) {
        // One that another program holds is skipped: the rest, and the shortcut, still work.
        RegisterHotKey(hwnd(), id++, modifiers | quorvel::win::NoRepeatModifier(), key.virtualKey);
    }
}

void CDlgClicker::OnShortcutPressed(std::uint16_t virtualKey) {
    // A message that names no key was posted by a program: it starts or stops, as ever.
    if (virtualKey == 0) {
        StartStopClicking();
        return;
    }
    Perform(trigger_.Press(quorvel::TriggerSource::ShortcutKey, scheduler_.IsClicking()));
}

void CDlgClicker::OnInputHookEvent(LPARAM event) {
    if (quorvel::win::HookEventOf(event) == quorvel::win::HookEvent::KeyUp) {
        // Seen up in the order of the presses, however busy the thread was meanwhile.
        if (hotKeyLatch_.HeldKey() == HIWORD(event)) hotKeyLatch_.SeenDown(false);
    }
    Perform(ActionOf(trigger_, event, scheduler_.IsClicking(), options_.stopOnMouseMove));
}

bool CDlgClicker::InputHookEventActs(LPARAM event) {
    quorvel::StartStopTrigger probe = trigger_;
    return ActionOf(probe, event, scheduler_.IsClicking(), options_.stopOnMouseMove) !=
           quorvel::TriggerAction::None;
}

void CDlgClicker::Perform(quorvel::TriggerAction action) {
    const bool clicking = scheduler_.IsClicking();
    if (action == quorvel::TriggerAction::StartStop ||
        (action == quorvel::TriggerAction::Start && !clicking) ||
        (action == quorvel::TriggerAction::Stop && clicking)) {
        StartStopClicking();
    }
}

void CDlgClicker::WatchHandMovement() {
    quorvel::Point cursor;
    if (inputHook_.WatchesMovement() && cursor_.GetPosition(cursor)) {
        inputHook_.WatchMovementFrom(cursor);
    }
}

}  // namespace quorvel::ui
