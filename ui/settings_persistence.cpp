// The main window's mirror of its controls, and the store behind it: every setting is loaded
// once before the controls are filled and all of them are saved after every single change.

#include "ui/dlg_clicker.h"

#include <climits>
#include <span>
#include <utility>

#include "store/settings_keys.h"
#include "platform/data_exchange.h"
#include "res/resource.h"
#include "ui/control_states.h"
#include "ui/main_window_settings.h"

namespace quorvel::ui {

using quorvel::win::DataExchange;

void CDlgClicker::DoDataExchange(DataExchange& dx) {
    dx.Control(IDC_CURSOR_LOCATION, m_ctrlCursorLocation);
    dx.Control(IDC_RANDOM_DELAY_UNIT, m_ctrlRandomDelayScales);
    dx.Control(IDC_FIXED_DELAY_UNIT, m_ctrlComboFixedDelayScales);
    dx.Radio(IDC_LOC_CURSOR, m_iClickLocation);
    dx.Text(IDC_LOC_X, m_iLocX);
    dx.Text(IDC_LOC_Y, m_iLocY);
    dx.Text(IDC_LOC_WIDTH, m_iLocWidth);
    dx.Text(IDC_LOC_HEIGHT, m_iLocHeight);
    dx.Radio(IDC_CLICKS_UNTIL_STOPPED, m_iHowManyClicks);
    dx.Text(IDC_CLICK_COUNT, m_iFixedClicksCount);
    dx.Radio(IDC_DELAY_RANDOM, m_iDelayBetweenClicks);
    dx.Text(IDC_RANDOM_DELAY_FROM, m_iRandomDelayFrom);
    dx.Text(IDC_RANDOM_DELAY_TO, m_iRandomDelayTo);
    dx.CBIndex(IDC_FIXED_DELAY_UNIT, m_iFixedDelayScale);
    dx.CBIndex(IDC_RANDOM_DELAY_UNIT, m_iRandomDelayScale);
    dx.Text(IDC_FIXED_DELAY, m_iFixedDelayInClicks);
    dx.Control(IDC_HOTKEY, m_ctrlHotKeyStartStopClicks);
    dx.Control(IDC_SPIN_FIXED_DELAY, m_ctrlSpinFixedDelay);
    dx.Control(IDC_SPIN_LOC_WIDTH, m_ctrlSpinLocWidth);
    dx.Control(IDC_SPIN_LOC_HEIGHT, m_ctrlSpinLocHeight);
    dx.Control(IDC_SPIN_LOC_X, m_ctrlSpinLocX);
    dx.Control(IDC_SPIN_LOC_Y, m_ctrlSpinLocY);
    dx.Control(IDC_SPIN_RANDOM_DELAY_FROM, m_ctrlSpinRandomDelayFrom);
    dx.Control(IDC_SPIN_RANDOM_DELAY_TO, m_ctrlSpinRandomDelayTo);
    dx.Radio(IDC_CLICK_LEFT, m_iRadioClickType);
}

int CDlgClicker::ReadSetting(const char* key, int defaultValue) {
    return quorvel::store::ReadSetting(store_, key, defaultValue);
}

void CDlgClicker::WriteSetting(const char* key, int value) {
    quorvel::store::WriteSetting(store_, key, value);
}

void CDlgClicker::LoadSettings() {
    using namespace quorvel::store::keys;
    // Each default is what the member holds, which before any change is the table's default.
    quorvel::ClickSettings settings = CurrentSettings();
    for (const MainWindowKey& key : std::span(kMainWindowKeys).first(kKeysLoadedWithTheWindow)) {
        settings.*key.member = ReadSetting(key.name, settings.*key.member);
    }
    ApplySettings(settings);
    m_bTwittered = quorvel::store::ReadKey(store_, kTwittered);
    m_bFacebooked = quorvel::store::ReadKey(store_, kFacebooked);
    m_bGoogled = quorvel::store::ReadKey(store_, kGoogled);
}

void CDlgClicker::OnSettingChanged() {
    // Our own filling of the controls raises change notifications too; they are not the user's.
    if (showingMembers_) return;
    SaveSettings();
}

void CDlgClicker::ShowMembersInControls() {
    // Filling one field must not save while later fields still show their old text: that save
    // would read the old text back into members that are about to be shown.
    const bool wasShowing = std::exchange(showingMembers_, true);
    UpdateData(false);
    showingMembers_ = wasShowing;
}

void CDlgClicker::SaveSettings() {
    if (!IsWindow(hwnd()) || !m_bInitialised) return;
    if (!UpdateData(true)) return;

    for (const MainWindowKey& key : kMainWindowKeys) {
        if (key.member == &quorvel::ClickSettings::randomDelayFrom) RaiseRandomDelayTo();
        // The unit lists' members hold their selected positions since the exchange above.
        WriteSetting(key.name, CurrentSettings().*key.member);
    }
    UpdateControlStates();
}

void CDlgClicker::RaiseRandomDelayTo() {
    if (m_iRandomDelayFrom < m_iRandomDelayTo) return;
    // The upper bound is never drawn, so it must stay above the lower one. At the top of the
    // range there is no room above: both bounds then stand at the largest value.
    m_iRandomDelayTo = m_iRandomDelayFrom == INT_MAX ? INT_MAX : m_iRandomDelayFrom + 1;
    ShowMembersInControls();
}

void CDlgClicker::UpdateControlStates() {
    for (const ControlState& state : ControlStates(CurrentSettings())) {
        EnableWindow(GetDlgItem(state.id), state.enabled);
    }
}

void CDlgClicker::FillDelayScaleCombos() {
    FillDelayScaleCombo(m_ctrlComboFixedDelayScales, quorvel::store::keys::kFixedDelayScale);
    FillDelayScaleCombo(m_ctrlRandomDelayScales, quorvel::store::keys::kRandomDelayScale);
}

void CDlgClicker::FillDelayScaleCombo(quorvel::win::ComboBox& list,
                                      const quorvel::store::SettingKey& key) {
    AddDelayScale(list, "Milli Second(s)", 0);
    AddDelayScale(list, "Second(s)", 1);
    AddDelayScale(list, "Minute(s)", 2);
    list.SetCurSel(ReadSetting(key.name, key.defaultValue));
    controlsChanged_ = true;  // a selection made here raises no notification
}

void CDlgClicker::AddDelayScale(quorvel::win::ComboBox& list, const char* text, int unit) {
    const int index = list.AddString(text);
    list.SetItemData(index, unit);
}

// The members that mirror the settings, field by field.
const std::array<CDlgClicker::SettingMember, 14> CDlgClicker::kSettingMembers{{
    {&quorvel::ClickSettings::clickLocation, &CDlgClicker::m_iClickLocation},
    {&quorvel::ClickSettings::locX, &CDlgClicker::m_iLocX},
    {&quorvel::ClickSettings::locY, &CDlgClicker::m_iLocY},
    {&quorvel::ClickSettings::locWidth, &CDlgClicker::m_iLocWidth},
    {&quorvel::ClickSettings::locHeight, &CDlgClicker::m_iLocHeight},
    {&quorvel::ClickSettings::howManyClicks, &CDlgClicker::m_iHowManyClicks},
    {&quorvel::ClickSettings::fixedClicksCount, &CDlgClicker::m_iFixedClicksCount},
    {&quorvel::ClickSettings::delayBetweenClicks, &CDlgClicker::m_iDelayBetweenClicks},
    {&quorvel::ClickSettings::randomDelayFrom, &CDlgClicker::m_iRandomDelayFrom},
    {&quorvel::ClickSettings::randomDelayTo, &CDlgClicker::m_iRandomDelayTo},
    {&quorvel::ClickSettings::fixedDelayInClicks, &CDlgClicker::m_iFixedDelayInClicks},
    {&quorvel::ClickSettings::fixedDelayScale, &CDlgClicker::m_iFixedDelayScale},
    {&quorvel::ClickSettings::randomDelayScale, &CDlgClicker::m_iRandomDelayScale},
    {&quorvel::ClickSettings::radioClickType, &CDlgClicker::m_iRadioClickType},
}};

quorvel::ClickSettings CDlgClicker::CurrentSettings() const {
    quorvel::ClickSettings settings;
    for (const SettingMember& mirror : kSettingMembers) {
        settings.*mirror.field = this->*mirror.member;
    }
    return settings;
}

void CDlgClicker::ApplySettings(const quorvel::ClickSettings& settings) {
    for (const SettingMember& mirror : kSettingMembers) {
        this->*mirror.member = settings.*mirror.field;
    }
}

}  // namespace quorvel::ui
