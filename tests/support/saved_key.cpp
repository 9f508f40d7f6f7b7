#include "tests/support/saved_key.h"

#include <windows.h>

#include <utility>

namespace quorvel::test {

namespace {

bool Exists(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool CopyTree(const std::string& from, const std::string& to) {
    HKEY source = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS) {
        return false;
    }
    HKEY target = nullptr;
    LSTATUS status = RegCreateKeyExA(HKEY_CURRENT_USER, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                     nullptr, &target, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegCopyTreeA(source, nullptr, target);
        RegCloseKey(target);
    }
    RegCloseKey(source);
    return status == ERROR_SUCCESS;
}

}  // namespace

SavedKey::SavedKey(std::string path)
    : path_(std::move(path)), copyPath_(path_ + " (saved by the tests)") {}

void SavedKey::SetUp() {
    if (!Exists(copyPath_) && Exists(path_)) {
        ASSERT_TRUE(CopyTree(path_, copyPath_)) << "cannot save HKCU\\" << path_;
    }
    saved_ = true;
}

void SavedKey::TearDown() {
    if (!saved_) return;  // nothing was saved, so nothing may be removed
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());  // absent already is fine
    if (!Exists(copyPath_)) return;
    if (CopyTree(copyPath_, path_)) {
        RegDeleteTreeA(HKEY_CURRENT_USER, copyPath_.c_str());
    } else {
        ADD_FAILURE() << "cannot restore HKCU\\" << path_ << "; it waits in HKCU\\" << copyPath_;
    }
}

}  // namespace quorvel::test
