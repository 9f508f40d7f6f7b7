#include "ui/picker_path.h"

namespace quorvel::ui {

namespace {

constexpr char kProgramName[] = "Quorvel.exe";
constexpr char kPickerName[] = "Areapick.exe";

}  // namespace

std::string AreaPickerPath(const std::string& programPath) {
    const std::string programName = kProgramName;
    std::string path = programPath;
    bool replaced = false;
    for (size_t at = path.find(programName); at != std::string::npos;
         at = path.find(programName, at + sizeof(kPickerName) - 1)) {
        path.replace(at, programName.size(), kPickerName);
        replaced = true;
    }
    if (replaced) return path;

    const size_t folderEnd = programPath.find_last_of("\\/");
    const std::string folder =
        folderEnd == std::string::npos ? std::string() : programPath.substr(0, folderEnd + 1);
    return folder + kPickerName;
}

}  // namespace quorvel::ui
