# SPDX-License-Identifier: GPL-3.0-or-later
# Part of the hardening Debian builds its own packages with (dpkg-buildflags): the
# program's relocations are resolved at start and then made read-only. Sanitizer and
# fuzzing builds bring their own instrumentation and are left as they are.
option(VANTOR_HARDENING "Link with the relocation hardening of Debian's packages" ON)
if(NOT VANTOR_HARDENING OR NOT VANTOR_SANITIZE STREQUAL "" OR VANTOR_BUILD_FUZZERS)
    return()
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)
