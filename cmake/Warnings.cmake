# Every target of the project compiles with the same strict warnings.
function(numberlark_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
