// The main window's mirror of its controls, and the store behind it: every setting is loaded
// once before the controls are filled and all of them are saved after every single change.

#include "ui/dlg_clicker.h"

#include <climits>
#include <utility>

#include "store/settings_keys.h"
#include "platform/data_exchange.h"
#include "res/resource.h"
#include "ui/control_states.h"

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
    return quorvel::store::ReadSetting(m_store, key, defaultValue);
}

void CDlgClicker::WriteSetting(const char* key, int value) {
    quorvel::store::WriteSetting(m_store, key, value);
}

void CDlgClicker::LoadSettings() {
    using namespace quorvel::store::keys;
    m_iClickLocation = ReadSetting(kClickLocation.name, m_iClickLocation);
    m_iLocX = ReadSetting(kLocX.name, m_iLocX);
    m_iLocY = ReadSetting(kLocY.name, m_iLocY);
    m_iLocWidth = ReadSetting(kLocWidth.name, m_iLocWidth);
    m_iLocHeight = ReadSetting(kLocHeight.name, m_iLocHeight);
    m_iHowManyClicks = ReadSetting(kHowManyClicks.name, m_iHowManyClicks);
    m_iFixedClicksCount = ReadSetting(kFixedClicksCount.name, m_iFixedClicksCount);
    m_iDelayBetweenClicks = ReadSetting(kDelayBetweenClicks.name, m_iDelayBetweenClicks);
    m_iRandomDelayFrom = ReadSetting(kRandomDelayFrom.name, m_iRandomDelayFrom);
    m_iRandomDelayTo = ReadSetting(kRandomDelayTo.name, m_iRandomDelayTo);
    m_iFixedDelayInClicks = ReadSetting(kFixedDelayInClicks.name, m_iFixedDelayInClicks);
    m_iRadioClickType = ReadSetting(kRadioClickType.name, m_iRadioClickType);
    m_bTwittered = quorvel::store::ReadKey(m_store, kTwittered);
    m_bFacebooked = quorvel::store::ReadKey(m_store, kFacebooked);
    m_bGoogled = quorvel::store::ReadKey(m_store, kGoogled);
}

void CDlgClicker::OnSettingChanged() {
    // Our own filling of the controls raises change notifications too; they are not the user's.
    if (m_bShowingMembers) return;
    SaveSettings();
}

void CDlgClicker::ShowMembersInControls() {
    // Filling one field must not save while later fields still show their old text: that save
    // would read the old text back into members that are about to be shown.
    const bool wasShowing = std::exchange(m_bShowingMembers, true);
    UpdateData(false);
    m_bShowingMembers = wasShowing;
}

void CDlgClicker::SaveSettings() {
    using namespace quorvel::store::keys;
    if (!IsWindow(hwnd()) || !m_bInitialised) return;
    if (!UpdateData(true)) return;

    WriteSetting(kClickLocation.name, m_iClickLocation);
    WriteSetting(kLocX.name, m_iLocX);
    WriteSetting(kLocY.name, m_iLocY);
    WriteSetting(kLocWidth.name, m_iLocWidth);
    WriteSetting(kLocHeight.name, m_iLocHeight);
    WriteSetting(kHowManyClicks.name, m_iHowManyClicks);
    WriteSetting(kFixedClicksCount.name, m_iFixedClicksCount);
    WriteSetting(kDelayBetweenClicks.name, m_iDelayBetweenClicks);

    if (m_iRandomDelayFrom >= m_iRandomDelayTo) {
        // The upper bound is never drawn, so it must stay above the lower one. At the top of the
        // range there is no room above: both bounds then stand at the largest value.
        m_iRandomDelayTo = m_iRandomDelayFrom == INT_MAX ? INT_MAX : m_iRandomDelayFrom + 1;
        ShowMembersInControls();
    }

    WriteSetting(kRandomDelayFrom.name, m_iRandomDelayFrom);
    WriteSetting(kRandomDelayTo.name, m_iRandomDelayTo);
    WriteSetting(kFixedDelayInClicks.name, m_iFixedDelayInClicks);
    WriteSetting(kRadioClickType.name, m_iRadioClickType);
    WriteSetting(kFixedDelayScale.name, m_ctrlComboFixedDelayScales.GetCurSel());
    WriteSetting(kRandomDelayScale.name, m_ctrlRandomDelayScales.GetCurSel());
    UpdateControlStates();
}

void CDlgClicker::UpdateControlStates() {
    for (const quorvel::ControlState& state : quorvel::ControlStates(CurrentSettings())) {
        EnableWindow(GetDlgItem(state.id), state.enabled);
    }
}

void CDlgClicker::FillDelayScaleCombos() {
    FillDelayScaleCombo(m_ctrlComboFixedDelayScales, quorvel::store::keys::kFixedDelayScale.name);
    FillDelayScaleCombo(m_ctrlRandomDelayScales, quorvel::store::keys::kRandomDelayScale.name);
}

void CDlgClicker::FillDelayScaleCombo(quorvel::win::ComboBox& list, const char* key) {
    AddDelayScale(list, "Milli Second(s)", 0);
    AddDelayScale(list, "Second(s)", 1);
    AddDelayScale(list, "Minute(s)", 2);
    list.SetCurSel(ReadSetting(key, 0));
}

void CDlgClicker::AddDelayScale(quorvel::win::ComboBox& list, const char* text, int unit) {
    const int index = list.AddString(text);
    list.SetItemData(index, unit);
}

quorvel::ClickSettings CDlgClicker::CurrentSettings() const {
    quorvel::ClickSettings settings;
    settings.clickLocation = m_iClickLocation;
    settings.locX = m_iLocX;
    settings.locY = m_iLocY;
    settings.locWidth = m_iLocWidth;
    settings.locHeight = m_iLocHeight;
    settings.howManyClicks = m_iHowManyClicks;
    settings.fixedClicksCount = m_iFixedClicksCount;
    settings.delayBetweenClicks = m_iDelayBetweenClicks;
    settings.randomDelayFrom = m_iRandomDelayFrom;
    settings.randomDelayTo = m_iRandomDelayTo;
    settings.fixedDelayInClicks = m_iFixedDelayInClicks;
    settings.fixedDelayScale = m_iFixedDelayScale;
    settings.randomDelayScale = m_iRandomDelayScale;
    settings.radioClickType = m_iRadioClickType;
    return settings;
}
