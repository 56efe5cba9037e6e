# Test code: the tests and their helper programs are compiled once per CI
# run and never shipped, so they are built for compile speed.
#   orvexlog_test_code(TARGET [HEADER ...])
# A Release build optimises the product only; the target's own code gets no
# optimiser. The HEADERs (system and library headers that nearly every file
# of the target includes) are parsed once, as a precompiled header.
function(orvexlog_test_code target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel,RelWithDebInfo>:-O0>)
  elseif(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # clang's unoptimised MinGW code emits std::type_info's equality, which
    # the GCC runtime that the Windows build links defines too.
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel,RelWithDebInfo>:-O1>)
  endif()
  if(ARGN)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# orvexlog_unity_tests(TARGET): its files compiled eight to a file (a unity
# build), so the test framework's templates are instantiated once for eight
# files instead of once for each. A file-local name must then be unique
# among the target's files. Only for tests of the portable core: the Windows
# tests drive real windows and dialogs whose behaviour changed when their
# files shared one (the folder browser's test no longer saw its first folder).
function(orvexlog_unity_tests target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC takes the files included into a unity file for headers, and a test
    # fixture in a file's anonymous namespace for one declared in a header.
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
endfunction()
