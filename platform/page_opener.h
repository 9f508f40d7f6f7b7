#pragma once
// Opens web pages on a thread of its own, one after another in the order asked, so that a
// desktop shell slow to answer, or one that hangs, never holds the window.

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace quorvel::win {

class PageOpener {
public:
    PageOpener() = default;
    // Pages still waiting are opened first, for a while at most: a page asked for just before
    // the program ends still opens, and a shell that hangs cannot keep the program alive.
    ~PageOpener();
    PageOpener(const PageOpener&) = delete;
    PageOpener& operator=(const PageOpener&) = delete;

    void Open(std::string address);

private:
    void OpenQueuedPages();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> queue_;
    bool opening_ = false;
    bool closing_ = false;
    std::thread worker_;
};

}  // namespace quorvel::win
