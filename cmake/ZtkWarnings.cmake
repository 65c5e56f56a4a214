# SPDX-License-Identifier: MIT
# Every target of the project compiles with these warnings; a warning is a fault to mend.
function(ztk_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
endfunction()
