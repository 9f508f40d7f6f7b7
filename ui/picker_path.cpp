#include "ui/picker_path.h"

namespace quorvel::ui {

namespace {

constexpr wchar_t kProgramName[] = L"Quorvel.exe";
constexpr wchar_t kPickerName[] = L"Areapick.exe";

}  // namespace

std::wstring AreaPickerPath(const std::wstring& programPath) {
    const std::wstring programName = kProgramName;
    const std::wstring pickerName = kPickerName;
    std::wstring path = programPath;
    bool replaced = false;
    for (size_t at = path.find(programName); at != std::wstring::npos;
         at = path.find(programName, at + pickerName.size())) {
        path.replace(at, programName.size(), pickerName);
        replaced = true;
    }
    if (replaced) return path;

    const size_t folderEnd = programPath.find_last_of(L"\\/");
    const std::wstring folder =
        folderEnd == std::wstring::npos ? std::wstring() : programPath.substr(0, folderEnd + 1);
    return folder + pickerName;
}

}  // namespace quorvel::ui
