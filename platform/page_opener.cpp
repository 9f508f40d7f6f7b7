#include "platform/page_opener.h"

#include <windows.h>

#include <objbase.h>

#include <chrono>

#include "platform/web_page.h"

namespace quorvel::win {
namespace {

constexpr auto kLongestFinish = std::chrono::seconds(30);

}  // namespace

PageOpener::~PageOpener() {
    if (!worker_.joinable()) return;
    std::unique_lock lock(mutex_);
    closing_ = true;
    changed_.notify_all();
    const bool finished =
        changed_.wait_for(lock, kLongestFinish, [this] { return queue_.empty() && !opening_; });
    lock.unlock();
    if (finished) {
        worker_.join();
    } else {
        worker_.detach();  // ended with the process
    }
}

void PageOpener::Open(std::string address) {
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(address));
    if (!worker_.joinable()) worker_ = std::thread(&PageOpener::OpenQueuedPages, this);
    changed_.notify_all();
}

void PageOpener::OpenQueuedPages() {
    // The shell is asked through COM, in an apartment of this thread's own.
    const bool apartment = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return closing_ || !queue_.empty(); });
        if (queue_.empty()) break;
        const std::string address = std::move(queue_.front());
        queue_.pop_front();
        opening_ = true;
        lock.unlock();
        OpenWebPage(address);
        lock.lock();
        opening_ = false;
        changed_.notify_all();
    }
    lock.unlock();
    if (apartment) CoUninitialize();
}

}  // namespace quorvel::win
