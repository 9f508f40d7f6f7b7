// Reads or writes one value of the store from a process of its own, so that the tests can
// check that a write is seen at once across processes:
//   settings_probe read <section> <key> <default>   exits with the value read
//   settings_probe write <section> <key> <value>    exits with 1 when the write succeeded

#include <cstdlib>
#include <string>

#include "app/registry_store.h"

int main(int argc, char** argv) {
    if (argc != 5) return -2;
    quorvel::win::RegistryStore store;
    store.SetRoot("Vantrel", "Quorvel");
    const std::string command = argv[1];
    const int number = std::atoi(argv[4]);
    if (command == "read") return store.GetProfileInt(argv[2], argv[3], number);
    if (command == "write") return store.WriteProfileInt(argv[2], argv[3], number) ? 1 : 0;
    return -2;
}
