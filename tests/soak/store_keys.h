#pragma once
// Every key that the program or its area picker reads, with its section, taken from the
// program's own key table.

#include <string>
#include <vector>

namespace quorvel::test {

struct StoreKey {
    std::string section;
    std::string name;
};

extern const std::vector<StoreKey> kAllKeys;

}  // namespace quorvel::test
