#include "background_sender.h"

#include <algorithm>
#include <functional>

namespace quorvel::test {

namespace {

// Long enough for any box to be found and pressed away.
constexpr UINT kSendTimeoutMs = 60000;

}  // namespace

void BackgroundSender::SetText(HWND window, std::string text) {
    Start([window, text = std::move(text)] {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                            SMTO_NORMAL, kSendTimeoutMs, &ignored);
    });
}

void BackgroundSender::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Start([=] {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &ignored);
    });
}

void BackgroundSender::Start(std::function<void()> send) {
    // Finished sends are joined first, so threads do not pile up over a long run.
    for (Pending& pending : pending_) {
        if (*pending.done) pending.thread.join();
    }
    std::erase_if(pending_, [](const Pending& pending) { return !pending.thread.joinable(); });

    auto done = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([send = std::move(send), done] {
        send();
        *done = true;
    });
    pending_.push_back({std::move(thread), std::move(done)});
}

void BackgroundSender::WaitForAll() {
    for (Pending& pending : pending_) pending.thread.join();
    pending_.clear();
}

}  // namespace quorvel::test
