# ORVEXLOG_FUZZ=ON (with clang++) builds the libFuzzer targets under fuzz/.
# The sources they reach get the fuzzer's coverage hooks and the address and
# undefined-behaviour checks, so a finding anywhere in them is a crash that
# libFuzzer reports and keeps.
option(ORVEXLOG_FUZZ "Build the libFuzzer targets (needs clang++)" OFF)

if(ORVEXLOG_FUZZ)
  if(WIN32 OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ORVEXLOG_FUZZ needs a native clang++ build (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  set(ORVEXLOG_FUZZ_CHECKS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # Only what the targets call, built once more with the hooks: the rest of
  # the core would cost five times the build for code no target runs. A
  # target that needs another source fails to link until it is listed here.
  add_library(orvexlog_fuzzed STATIC
    ${_texts_compiled}
    ${CMAKE_SOURCE_DIR}/src/text/sjis.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/ini_document.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/folder_paths.cpp
    ${CMAKE_SOURCE_DIR}/src/capture/log_name_pattern.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/sim/system/sim_file_system.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/sim/system/sim_paths.cpp)
  target_include_directories(orvexlog_fuzzed PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(orvexlog_fuzzed PRIVATE -fsanitize=fuzzer-no-link ${ORVEXLOG_FUZZ_CHECKS})
  add_subdirectory(${CMAKE_SOURCE_DIR}/fuzz ${CMAKE_BINARY_DIR}/fuzz-targets)
endif()
