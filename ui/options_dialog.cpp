#include "ui/options_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "platform/controls.h"
#include "platform/data_exchange.h"
#include "res/resource.h"
#include "ui/dlg_clicker.h"
#include "ui/options_settings.h"

namespace quorvel::ui {
namespace {

// In the order of the stored values.
constexpr std::array<const char*, 4> kTriggerButtonNames = {
    "None", "Middle button", "Back side button", "Forward side button"};

}  // namespace

OptionsDialog::OptionsDialog(quorvel::store::SettingsStore& store)
    : Dialog(IDD_OPTIONS), store_(store) {}

BOOL OptionsDialog::OnInitDialog() {
    const RunOptions options = ReadOptions(store_);
    triggerButton_ = static_cast<int>(options.triggerButton);
    holdToClick_ = options.holdToClick ? 1 : 0;
    extraModifiers_ = options.extraModifiers ? 1 : 0;
    stopOnMouseMove_ = options.stopOnMouseMove ? 1 : 0;
    stopAfterMinutes_ = options.stopAfterMinutes;

    quorvel::win::ComboBox buttons;
    buttons.Attach(GetDlgItem(IDC_OPTION_TRIGGER_BUTTON));
    for (const char* name : kTriggerButtonNames) buttons.AddString(name);
    quorvel::win::UpDown minutes;
    minutes.Attach(GetDlgItem(IDC_OPTION_SPIN_STOP_AFTER));
    minutes.SetRange32(0, kMostMinutes);
    return Dialog::OnInitDialog();
}

void OptionsDialog::DoDataExchange(quorvel::win::DataExchange& dx) {
    dx.CBIndex(IDC_OPTION_TRIGGER_BUTTON, triggerButton_);
    dx.Check(IDC_OPTION_HOLD_TO_CLICK, holdToClick_);
    dx.Check(IDC_OPTION_EXTRA_MODIFIERS, extraModifiers_);
    dx.Check(IDC_OPTION_STOP_ON_MOVE, stopOnMouseMove_);
    dx.Text(IDC_OPTION_STOP_AFTER, stopAfterMinutes_);
}

void OptionsDialog::OnOK() {
    if (!UpdateData(true)) return;
    RunOptions options;
    // The list always has a selection; a typed time beyond the arrows' range is taken as their
    // end, as the arrows would.
    options.triggerButton = static_cast<TriggerButton>(std::max(triggerButton_, 0));
    options.holdToClick = holdToClick_ != 0;
    options.extraModifiers = extraModifiers_ != 0;
    options.stopOnMouseMove = stopOnMouseMove_ != 0;
    options.stopAfterMinutes = std::clamp(stopAfterMinutes_, 0, kMostMinutes);
    // What could not be stored stays as it was: the window applies what the store holds.
    WriteOptions(store_, options);
    EndDialog(IDOK);
}

void CDlgClicker::ShowOptionsDialog() {
    OptionsDialog dialog(store_);
    if (dialog.DoModal(hwnd()) == IDOK) ApplyOptions();
}

}  // namespace quorvel::ui
