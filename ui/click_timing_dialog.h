#pragma once
// The small modal dialog that edits the bounds of the pauses inside a click.

#include <string>

#include "store/settings_store.h"
#include "platform/dialog.h"

namespace quorvel::ui {

class CDlgClickTiming : public quorvel::win::Dialog {
public:
    explicit CDlgClickTiming(quorvel::store::SettingsStore& store);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(quorvel::win::DataExchange& dx) override;
    void OnOK() override;

private:
    int ReadSetting(const char* key, int defaultValue);
    void WriteSetting(const char* key, int value);

    quorvel::store::SettingsStore& store_;
    int pressReleaseMin_ = 0;
    int pressReleaseMax_ = 0;
    int doubleClickMin_ = 0;
    int doubleClickMax_ = 0;
    HICON m_hIcon = nullptr;
};

}  // namespace quorvel::ui
