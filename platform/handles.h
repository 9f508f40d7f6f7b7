#pragma once
// One small owner for every Win32 handle we create: it closes the handle when it goes.

#include <windows.h>

#include <utility>

namespace quorvel::win {

template <typename Handle, auto Close, Handle Empty = Handle{}>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Empty)) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, Empty));
        return *this;
    }
    ~Unique() { Reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Empty; }
    Handle Release() { return std::exchange(handle_, Empty); }
    void Reset(Handle handle = Empty) {
        if (handle_ != Empty) Close(handle_);  // nothing useful to do if closing fails
        handle_ = handle;
    }

private:
    Handle handle_ = Empty;
};

using UniqueKey = Unique<HKEY, &RegCloseKey>;
using UniqueMenu = Unique<HMENU, &DestroyMenu>;
using UniqueIcon = Unique<HICON, &DestroyIcon>;
using UniqueHandle = Unique<HANDLE, &CloseHandle>;

}  // namespace quorvel::win
