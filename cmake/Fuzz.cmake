# ORVEXLOG_FUZZ=ON (with clang++) builds the libFuzzer targets under fuzz/.
# The core and the simulated desktop get the fuzzer's coverage hooks and the
# address and undefined-behaviour checks, so a finding anywhere in them is a
# crash that libFuzzer reports and keeps.
option(ORVEXLOG_FUZZ "Build the libFuzzer targets (needs clang++)" OFF)

if(ORVEXLOG_FUZZ)
  if(WIN32 OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ORVEXLOG_FUZZ needs a native clang++ build (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  set(ORVEXLOG_FUZZ_CHECKS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  foreach(_target orvexlog_core orvexlog_sim)
    target_compile_options(${_target} PRIVATE -fsanitize=fuzzer-no-link ${ORVEXLOG_FUZZ_CHECKS})
  endforeach()
  add_subdirectory(${CMAKE_SOURCE_DIR}/fuzz ${CMAKE_BINARY_DIR}/fuzz-targets)
endif()
