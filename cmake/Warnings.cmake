# Warnings every target of ours is built with.
function(vantor_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
