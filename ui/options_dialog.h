#pragma once
// The modal Options dialog: the mouse-button trigger, hold to click, the shortcut with extra
// modifiers and the safety stops. OK stores every value at once; Cancel changes nothing.

#include "platform/dialog.h"
#include "store/settings_store.h"

namespace quorvel::ui {

class OptionsDialog : public quorvel::win::Dialog {
public:
    explicit OptionsDialog(quorvel::store::SettingsStore& store);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(quorvel::win::DataExchange& dx) override;
    void OnOK() override;

private:
    quorvel::store::SettingsStore& store_;
    int triggerButton_ = 0;
    int holdToClick_ = 0;
    int extraModifiers_ = 0;
    int stopOnMouseMove_ = 0;
    int stopAfterMinutes_ = 0;
};

}  // namespace quorvel::ui
