#pragma once
// An in-memory settings store for unit tests: records what was written and can be told to
// refuse writes.

#include <map>
#include <string>
#include <utility>

#include "store/settings_store.h"

namespace quorvel::test {

class MemoryStore final : public store::SettingsStore {
public:
    int GetProfileInt(const char* section, const char* key, int defaultValue) override {
        const auto found = values_.find({section, key});
        return found == values_.end() ? defaultValue : found->second;
    }

    store::WriteStatus WriteProfileInt(const char* section, const char* key, int value) override {
        ++writes_;
        if (refuseWrites_) return {kAccessDenied};
        values_[{section, key}] = value;
        return {};
    }

    bool Has(const std::string& section, const std::string& key) const {
        return values_.contains({section, key});
    }
    void RefuseWrites(bool refuse) { refuseWrites_ = refuse; }
    int writeCount() const { return writes_; }

private:
    static constexpr std::uint32_t kAccessDenied = 5;

    std::map<std::pair<std::string, std::string>, int> values_;
    bool refuseWrites_ = false;
    int writes_ = 0;
};

}  // namespace quorvel::test
