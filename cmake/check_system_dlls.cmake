# Fails unless every DLL that PROGRAM imports is one that Windows itself ships: the programs link
# their runtime statically and run elevated, so nothing may be looked up beside them.
#   cmake -DOBJDUMP=... -DPROGRAM=... -P check_system_dlls.cmake
cmake_minimum_required(VERSION 3.25)
set(system_dlls advapi32 comctl32 gdi32 kernel32 msvcrt shell32 user32)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot read the headers of ${PROGRAM}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "${PROGRAM} imports no DLL at all: the headers were not understood")
endif()
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOLOWER "${dll}" dll)
    string(REGEX REPLACE "\\.dll$" "" dll "${dll}")
    if(NOT dll IN_LIST system_dlls)
        message(FATAL_ERROR "${PROGRAM} imports ${dll}.dll, which Windows does not ship")
    endif()
    message(STATUS "${dll}.dll")
endforeach()
