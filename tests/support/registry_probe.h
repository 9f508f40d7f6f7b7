#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quorvel::test {

// Direct access to the program's registry profile, independent of the program's own code.
class RegistryProbe {
public:
    // Removes HKCU\Software\Vantrel with everything below it.
    static void ClearCompanyKey();

    static bool SectionExists(const std::string& section);
    static std::optional<DWORD> Read(const std::string& section, const std::string& name);
    static void Write(const std::string& section, const std::string& name, DWORD value);
};

// Writes a value of any type and size into a section of the profile, as a hand edit or another
// program could leave it.
void WriteRawValue(const std::string& section, const std::string& name, DWORD type,
                   const void* data, DWORD size);

// The registry type of a stored value, REG_NONE when it is absent.
DWORD StoredType(const std::string& section, const std::string& name);

}  // namespace quorvel::test
