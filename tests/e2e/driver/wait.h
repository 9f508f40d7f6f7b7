#pragma once

#include <windows.h>

#include <functional>

namespace e2e {

// Dispatches the messages already queued for this thread's windows.
void DispatchPendingMessages();

// Polls the condition until it holds or the deadline passes; this thread's messages are
// dispatched meanwhile, so windows the test owns (the click recorder) stay responsive.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// The time-out for anything that the program under test should do promptly.
constexpr DWORD kPromptMs = 10000;

}  // namespace e2e
