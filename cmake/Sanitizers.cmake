# SPDX-License-Identifier: GPL-3.0-or-later
# Sanitizer builds: VANTOR_SANITIZE names the sanitizers every target of the
# project is compiled and linked with, e.g. "address,undefined" or "thread".
# Empty (the default) leaves the build as it is. Qt and the other system
# libraries stay uninstrumented; the runtime options and suppressions for them
# live in tests/sanitizers/ and are applied by scripts/sanitize.sh, which
# builds address,undefined with clang (one runtime, one report log for both)
# and thread with gcc.
set(VANTOR_SANITIZE "" CACHE STRING
    "Sanitizers for every target: empty, \"address,undefined\" or \"thread\"")

if(VANTOR_SANITIZE STREQUAL "")
    return()
endif()

string(REPLACE "," ";" _vantor_sanitizers "${VANTOR_SANITIZE}")
foreach(_sanitizer IN LISTS _vantor_sanitizers)
    if(NOT _sanitizer MATCHES "^(address|undefined|thread)$")
        message(FATAL_ERROR "VANTOR_SANITIZE: unknown sanitizer '${_sanitizer}' "
                            "(use address, undefined or thread)")
    endif()
endforeach()
if("thread" IN_LIST _vantor_sanitizers AND "address" IN_LIST _vantor_sanitizers)
    message(FATAL_ERROR "VANTOR_SANITIZE: thread and address cannot be combined")
endif()
if(VANTOR_BUILD_FUZZERS)
    message(FATAL_ERROR "VANTOR_SANITIZE and VANTOR_BUILD_FUZZERS are separate builds; "
                        "the fuzzers bring their own sanitizers")
endif()

# Whole stacks in reports; undefined behaviour stops the program instead of
# printing a line and carrying on (a test could pass over it unnoticed).
add_compile_options(-fsanitize=${VANTOR_SANITIZE} -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=${VANTOR_SANITIZE})
# Tests that measure memory know their figures include the sanitizers' own.
add_compile_definitions(VANTOR_SANITIZED=1)
if("thread" IN_LIST _vantor_sanitizers AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # gcc warns that ThreadSanitizer does not model a standalone
    # atomic_thread_fence; the only one we compile is in Qt's global-static
    # header (generated QML cache loader), not in code of ours.
    add_compile_options(-Wno-tsan)
endif()
message(STATUS "Sanitizers on every target: ${VANTOR_SANITIZE}")
