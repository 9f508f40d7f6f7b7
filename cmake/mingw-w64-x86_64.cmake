set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QUORVEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(QUORVEL_MANIFEST_ARCH amd64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# Tests of this build run through 64-bit wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
