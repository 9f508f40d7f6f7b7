#include "ui/options_settings.h"

namespace quorvel::ui {
namespace {

int ReadInRange(store::SettingsStore& settings, const OptionKey& option) {
    const int value = store::ReadKey(settings, option.key);
    return value >= option.lowest && value <= option.highest ? value : option.key.defaultValue;
}

std::array<int, kOptionKeys.size()> ValuesOf(const RunOptions& options) {
    return {static_cast<int>(options.triggerButton), options.holdToClick ? 1 : 0,
            options.extraModifiers ? 1 : 0, options.stopOnMouseMove ? 1 : 0,
            options.stopAfterMinutes};
}

}  // namespace

RunOptions ReadOptions(store::SettingsStore& settings) {
    std::array<int, kOptionKeys.size()> values{};
    for (std::size_t i = 0; i < kOptionKeys.size(); ++i) {
        values[i] = ReadInRange(settings, kOptionKeys[i]);
    }
    RunOptions options;
    options.triggerButton = static_cast<TriggerButton>(values[0]);
    options.holdToClick = values[1] != 0;
    options.extraModifiers = values[2] != 0;
    options.stopOnMouseMove = values[3] != 0;
    options.stopAfterMinutes = values[4];
    return options;
}

store::WriteStatus WriteOptions(store::SettingsStore& settings, const RunOptions& options) {
    const std::array<int, kOptionKeys.size()> values = ValuesOf(options);
    for (std::size_t i = 0; i < kOptionKeys.size(); ++i) {
        const store::WriteStatus status = store::WriteKey(settings, kOptionKeys[i].key, values[i]);
        if (!status) return status;
    }
    return {};
}

}  // namespace quorvel::ui
