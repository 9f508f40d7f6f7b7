# The same commit builds the same programs, in whatever folder it is checked out, so that anyone
# can check a release against its source.
#
# The linker writes the PE time stamp (and the checksum over it) from SOURCE_DATE_EPOCH. Given
# none, the commit's own time is taken, so that a release needs no setting. The time goes into
# the link command itself, so a new commit relinks even where no source changed.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(QUORVEL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE QUORVEL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
execute_process(COMMAND git rev-parse HEAD WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE QUORVEL_COMMIT OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)

if(QUORVEL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${QUORVEL_SOURCE_DATE_EPOCH})
else()
    message(STATUS "Neither SOURCE_DATE_EPOCH nor a commit: the programs carry the time of the link")
    set(QUORVEL_SOURCE_DATE_EPOCH "")
endif()

# No path of the checkout reaches a program; a __FILE__ in a message would bring one in.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=)
