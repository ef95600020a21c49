# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings every target of ours is built with; errors with VANTOR_WERROR.
# Qt's and the system's headers come in as system headers and are not judged.
function(vantor_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(VANTOR_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
