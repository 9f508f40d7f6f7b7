// The about box from the system menu, the product, support and share pages, and the share
// buttons that disappear for good once used.

#include "ui/dlg_clicker.h"

#include <array>

#include "store/settings_keys.h"
#include "platform/resources.h"
#include "res/resource.h"
#include "ui/about_dialog.h"
#include "ui/web_links.h"

namespace quorvel::ui {

namespace {

struct ShareButton {
    int buttonId;
    int menuCommand;
    ShareService service;
    const quorvel::store::SettingKey& flag;
    const char* tip;
};

// In the order their tooltips are added.
const std::array<ShareButton, 3> kShareButtons{{
    {IDC_SHARE_TWITTER, ID_SHARE_TWITTER, ShareService::Twitter, quorvel::store::keys::kTwittered,
     "Tweet Bellmora Quorvel with Twitter"},
    {IDC_SHARE_FACEBOOK, ID_SHARE_FACEBOOK, ShareService::Facebook,
     quorvel::store::keys::kFacebooked, "Share Bellmora Quorvel Link On Facebook"},
    {IDC_SHARE_GOOGLE, ID_SHARE_GOOGLE, ShareService::GooglePlus, quorvel::store::keys::kGoogled,
     "Give Bellmora Quorvel a Plus+ On Google Plus"},
}};

}  // namespace

void CDlgClicker::AddAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu(hwnd(), FALSE);
    if (!systemMenu) return;
    const std::string about = quorvel::win::LoadStringText(IDS_ABOUT);
    if (about.empty()) return;
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, about.c_str());
}

bool CDlgClicker::ShowAboutBox(UINT command) {
    if ((command & 0xFFF0) != IDM_ABOUT) return false;  // moving, closing, ... as usual
    CDlgAbout about;
    about.DoModal(hwnd());
    return true;
}

BOOL CDlgClicker::OpenProductPage() {
    pages_.Open(kProductPage);
    return TRUE;
}

void CDlgClicker::OpenSupportPage() { pages_.Open(kSupportPage); }

void CDlgClicker::OpenSharePage(int commandId) {
    for (const ShareButton& share : kShareButtons) {
        if (commandId == share.buttonId) {
            ShowWindow(GetDlgItem(share.buttonId), SW_HIDE);
            quorvel::store::WriteKey(store_, share.flag, 1);
        } else if (commandId != share.menuCommand) {
            continue;
        }
        pages_.Open(SharePageAddress(share.service));
        return;
    }
}

void CDlgClicker::SetUpShareButtons() {
    const auto shared = [this](const ShareButton& share) {
        if (share.buttonId == IDC_SHARE_TWITTER) return m_bTwittered != 0;
        if (share.buttonId == IDC_SHARE_FACEBOOK) return m_bFacebooked != 0;
        return m_bGoogled != 0;
    };

    if (!(m_bTwittered && m_bFacebooked && m_bGoogled)) {
        m_pToolTip = std::make_unique<quorvel::win::ToolTip>();
        if (m_pToolTip->Create(hwnd())) {
            bool added = false;
            for (const ShareButton& share : kShareButtons) {
                if (!shared(share)) {
                    added = m_pToolTip->AddTool(GetDlgItem(share.buttonId), share.tip) || added;
                }
            }
            if (added) m_pToolTip->Activate(true);
        }
    }
    for (const ShareButton& share : kShareButtons) {
        if (shared(share)) ShowWindow(GetDlgItem(share.buttonId), SW_HIDE);
    }
}

}  // namespace quorvel::ui
