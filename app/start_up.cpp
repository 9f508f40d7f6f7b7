#include "app/start_up.h"

#include <cstring>

namespace quorvel::app {

bool IsSilentStart(const char* commandLine) {
    return commandLine != nullptr && std::strstr(commandLine, ":silent") != nullptr;
}

}  // namespace quorvel::app
