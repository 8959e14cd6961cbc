# Warnings for our own targets (the windowing library keeps its own flags).
function(velmaris_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
