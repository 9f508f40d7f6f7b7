# Fails unless PROGRAM is safe to start elevated from any folder and loads on every Windows its
# manifest declares, from Vista on:
# - each DLL it imports at load time is a known DLL, or common controls. Windows looks for any
#   other DLL beside the program first, also for a DLL that Windows itself ships, before WinMain
#   could narrow the search; a DLL planted there would run with the program's rights. Common
#   controls is redirected by the manifest's side-by-side dependency on its version 6.
# - each function it imports is on the reviewed list of functions that Vista's DLLs export.
#   Newer functions, and those of DLLs that are not known DLLs, are looked up at run time; a new
#   import that Vista has goes on the list after a look at its documentation.
#   cmake -DOBJDUMP=... -DPROGRAM=... -DVISTA_IMPORTS=... -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
# Known DLLs are the ones named under the registry key that the documentation of the DLL search
# order gives, HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs; the list
# differs between versions, so here are only names that every Windows from Vista on has there.
set(known_dlls advapi32 comdlg32 gdi32 kernel32 msvcrt ole32 oleaut32 rpcrt4 shell32 shlwapi
    user32 ws2_32)
set(side_by_side_dlls comctl32)
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
set(unsafe_dlls "")
set(refused "")
foreach(line IN LISTS lines)
    if(line MATCHES "DLL Name: ([^ \t]+)")
        string(TOLOWER "${CMAKE_MATCH_1}" dll)
        string(REGEX REPLACE "\\.dll$" "" dll "${dll}")
        if(NOT dll IN_LIST known_dlls AND NOT dll IN_LIST side_by_side_dlls)
            list(APPEND unsafe_dlls "${dll}.dll")
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
if(unsafe_dlls)
    list(JOIN unsafe_dlls "\n  " unsafe_dlls)
    message(FATAL_ERROR "${PROGRAM} imports DLLs that are not known DLLs, which Windows would look "
                        "for beside the program first (load them at run time from the system "
                        "folder instead):\n  ${unsafe_dlls}")
endif()
if(refused)
    list(JOIN refused "\n  " refused)
    message(FATAL_ERROR "${PROGRAM} imports functions that are not known to exist on Windows "
                        "Vista (look them up at run time, or list them once checked):\n  ${refused}")
endif()
message(STATUS "${functions} imported functions, all present on Vista")
