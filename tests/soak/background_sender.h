#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace quorvel::test {

// Sends messages to another program from threads of their own. A change that the program
// answers with a modal message box keeps its send waiting until the box is pressed away, which
// the test must do meanwhile; a short time-out instead would let the message be dropped while
// the program is busy.
class BackgroundSender {
public:
    BackgroundSender() = default;
    ~BackgroundSender() { WaitForAll(); }
    BackgroundSender(const BackgroundSender&) = delete;
    BackgroundSender& operator=(const BackgroundSender&) = delete;

    void SetText(HWND window, std::string text);
    // For messages without pointers.
    void Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void WaitForAll();

private:
    struct Pending {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };

    void Start(std::function<void()> send);

    std::vector<Pending> pending_;
};

}  // namespace quorvel::test
