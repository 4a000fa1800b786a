# The fuzzing build: everything of ours carries libFuzzer's coverage instrumentation, with
# AddressSanitizer and UndefinedBehaviorSanitizer (undefined behaviour stops the program, so
# the fuzzer reports it). The fuzz_<what> executables link libFuzzer itself; Qt is used as
# installed, without instrumentation.
if(KSW_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "KSW_FUZZ needs clang: configure a fresh build directory with CC=clang CXX=clang++")
  endif()
  set(_ksw_fuzz_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(-fsanitize=fuzzer-no-link ${_ksw_fuzz_sanitizers})
  add_link_options(${_ksw_fuzz_sanitizers})
endif()
