// Reads or writes one value of the store from a process of its own, so that the tests can
// check that a write is seen at once across processes:
//   settings_probe <parent> read <section> <key> <default>   exits with the value read
//   settings_probe <parent> write <section> <key> <value>    exits with 1 when written
// where <parent> stands in for Software, as in the tests' own store.

#include <cstdlib>
#include <string>

#include "store/registry_store.h"

int main(int argc, char** argv) {
    if (argc != 6) return -2;
    quorvel::store::RegistryStore store(argv[1]);
    store.SetRoot("Vantrel", "Quorvel");
    const std::string command = argv[2];
    const int number = std::atoi(argv[5]);
    if (command == "read") return store.GetProfileInt(argv[3], argv[4], number);
    if (command == "write") return store.WriteProfileInt(argv[3], argv[4], number) ? 1 : 0;
    return -2;
}
