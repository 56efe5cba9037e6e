# ORVEXLOG_SANITIZE=ON builds everything (core, simulated desktop, tests) with
# AddressSanitizer and UndefinedBehaviorSanitizer. Any finding aborts the
# process, so a test that trips one fails instead of printing and going on.
option(ORVEXLOG_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(ORVEXLOG_SANITIZE)
  if(WIN32 OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "ORVEXLOG_SANITIZE needs a native GCC or Clang build")
  endif()
  set(_orvexlog_sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_compile_options(${_orvexlog_sanitize_flags})
  add_link_options(${_orvexlog_sanitize_flags})
endif()
