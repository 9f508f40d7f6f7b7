#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// Direct access to the program's registry profile, independent of the program's own code.
class RegistryProbe {
public:
    // Removes HKCU\Software\Vantrel with everything below it.
    static void ClearCompanyKey();

    static bool SectionExists(const std::string& section);
    static std::optional<DWORD> Read(const std::string& section, const std::string& name);
    static void Write(const std::string& section, const std::string& name, DWORD value);
};

}  // namespace e2e
