#pragma once

#include <windows.h>

#include <string>

namespace soak {

// Writes a value of any type and size into a section of the program's profile, as a hand edit
// or another program could leave it.
void WriteRawValue(const std::string& section, const std::string& name, DWORD type,
                   const void* data, DWORD size);

// The registry type of a stored value, REG_NONE when it is absent.
DWORD StoredType(const std::string& section, const std::string& name);

}  // namespace soak
