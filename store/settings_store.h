#pragma once
// Where everything the program remembers between runs lives: named 32-bit integers in
// sections. Readers pass the default at the call; writers store one value at a time.

// <windows.h> maps GetProfileInt to the old win.ini reader; include it before this header, so
// that the name stays ours (a later include turns every use into a compile error, not a bug).
#ifdef GetProfileInt
#undef GetProfileInt
#endif

#include <cstdint>
#include <memory>
#include <span>

namespace quorvel::store {

// What became of a write: error is 0 when the value was stored, else the system's error number.
struct WriteStatus {
    std::uint32_t error = 0;
    bool ok() const { return error == 0; }
    explicit operator bool() const { return ok(); }
};

// One value of a batch read: its key, its default, and where it goes.
struct ProfileRead {
    const char* key;
    int defaultValue;
    int* value;
};

// Whether the values of one section may have changed since the watch was last asked.
class SectionWatch {
public:
    virtual ~SectionWatch() = default;
    // True at the first call, and at every later one after a value of the section changed in
    // any process. A watch that cannot tell says true every time.
    virtual bool Changed() { return true; }
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Never fails: a missing or unreadable value gives defaultValue, and nothing is created.
    virtual int GetProfileInt(const char* section, const char* key, int defaultValue) = 0;
    // Several values of one section, each as GetProfileInt reads it; a store may find the
    // section once for all of them.
    virtual void GetProfileInts(const char* section, std::span<const ProfileRead> reads) {
        for (const ProfileRead& read : reads) {
            *read.value = GetProfileInt(section, read.key, read.defaultValue);
        }
    }
    // Stores the value at once, visible to every later read in any process of the user.
    virtual WriteStatus WriteProfileInt(const char* section, const char* key, int value) = 0;
    // For a reader that keeps what it read until the section changes.
    virtual std::unique_ptr<SectionWatch> WatchSection(const char* /*section*/) {
        return std::make_unique<SectionWatch>();
    }
};

}  // namespace quorvel::store
