# Fails unless PROGRAM loads on every Windows its manifest declares, from Vista on: each DLL it
# imports is one that Windows itself ships (the runtime is linked statically and the programs
# run elevated, so nothing may be looked up beside them), and each function it imports is on
# the reviewed list of functions that Vista's DLLs export. Newer functions are looked up at run
# time instead; a new import that Vista has goes on the list after a look at its documentation.
#   cmake -DOBJDUMP=... -DPROGRAM=... -DVISTA_IMPORTS=... -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
set(system_dlls advapi32 comctl32 gdi32 kernel32 msvcrt shell32 user32 winmm)
# Newer than Vista and used by the programs through run-time look-ups: never to be listed.
set(after_vista SetDefaultDllDirectories ChangeWindowMessageFilterEx SetProcessInformation)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot read the headers of ${PROGRAM}")
endif()
file(STRINGS ${VISTA_IMPORTS} vista_imports REGEX "^[a-z0-9]+ [A-Za-z0-9_]+$")

string(REPLACE ";" "," headers "${headers}")
string(REPLACE "\n" ";" lines "${headers}")
set(dll "")
set(functions 0)
set(refused "")
foreach(line IN LISTS lines)
    if(line MATCHES "DLL Name: ([^ \t]+)")
        string(TOLOWER "${CMAKE_MATCH_1}" dll)
        string(REGEX REPLACE "\\.dll$" "" dll "${dll}")
        if(NOT dll IN_LIST system_dlls)
            message(FATAL_ERROR "${PROGRAM} imports ${dll}.dll, which Windows does not ship")
        endif()
    elseif(dll AND line MATCHES "^\t[0-9a-fA-F]+\t +[0-9]+  ([A-Za-z0-9_]+)")
        math(EXPR functions "${functions} + 1")
        if(CMAKE_MATCH_1 IN_LIST after_vista OR NOT "${dll} ${CMAKE_MATCH_1}" IN_LIST vista_imports)
            list(APPEND refused "${dll}!${CMAKE_MATCH_1}")
        endif()
    endif()
endforeach()
if(functions EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} imports no function at all: the headers were not understood")
endif()
if(refused)
    list(JOIN refused "\n  " refused)
    message(FATAL_ERROR "${PROGRAM} imports functions that are not known to exist on Windows "
                        "Vista (look them up at run time, or list them once checked):\n  ${refused}")
endif()
message(STATUS "${functions} imported functions, all present on Vista")
