# Warnings for our own targets only; third-party headers are included as system headers.
function(ksw_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(KSW_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
