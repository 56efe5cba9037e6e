# Windows tests. Cross-built, they run under Wine (scripts/wine-run.sh is the
# emulator CTest puts in front of every Windows executable):
#   win32_tests.exe  GoogleTest: tests/shared/*.cpp (also run natively) and
#                    tests/win32/**/*.cpp against the real Win32 layer
#   tests/wine/      end-to-end tests: each *.cpp there is a small Windows
#                    program of its own; each *_test.sh / *_test.py is a test
#                    that drives the programs, the stand-in and OrvexLog.exe
# Three Wine sessions (each its own Xvfb display, fresh prefix and wineserver,
# booted once), lanes a, b and c, serve a CTest run: fixtures start them and
# stop them afterwards. No test sees another lane's windows, so `ctest -j3`
# runs the lanes side by side; within a lane the tests run one after another
# (a resource lock). A script's header names its lane ("# lane: a"); the
# scripts that mostly wait out a host's limits are spread over the lanes so
# that the lanes take about as long. A script without one runs in lane b.

set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build for Windows")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Not our code: keep its warnings out of our build output.
include(${CMAKE_SOURCE_DIR}/cmake/TestCode.cmake)
foreach(_t gtest gtest_main)
  target_compile_options(${_t} PRIVATE $<IF:$<CXX_COMPILER_ID:MSVC>,/w,-w>)
  orvexlog_test_code(${_t})
endforeach()

if(CMAKE_CROSSCOMPILING)
  # The session comes from each test's WINE_SESSION_DIR (its lane).
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
endif()

file(GLOB_RECURSE WIN32_TEST_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tests/shared/*.cpp ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
# The composition root's desktop too: tests build the windows as the program does.
add_executable(win32_tests ${WIN32_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/src/main/win32_desktop.cpp
               ${CMAKE_SOURCE_DIR}/tests/win32/program_icon.rc)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/tests/win32/program_icon.rc APPEND PROPERTY OBJECT_DEPENDS
             ${CMAKE_SOURCE_DIR}/res/orvexlog.ico ${CMAKE_SOURCE_DIR}/res/orvexlog_window.ico)
target_link_libraries(win32_tests PRIVATE orvexlog_win32 gtest_main version)
# Some tests read OrvexLog.exe's resources and run it.
add_dependencies(win32_tests OrvexLog host_standin)
target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
set_target_properties(win32_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
orvexlog_test_code(win32_tests <windows.h> <gtest/gtest.h> <functional> <memory> <string> <vector>)

# Helper programs of the end-to-end tests, one per source file.
file(GLOB WINE_TEST_PROGRAMS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp)
set(WINE_TEST_TARGETS)
foreach(_src IN LISTS WINE_TEST_PROGRAMS)
  get_filename_component(_name ${_src} NAME_WE)
  add_executable(${_name} ${_src})
  target_link_libraries(${_name} PRIVATE orvexlog_win32)
  set_target_properties(${_name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  orvexlog_test_code(${_name})
  list(APPEND WINE_TEST_TARGETS ${_name})
endforeach()

if(CMAKE_CROSSCOMPILING)
  # The Wine sessions (lanes) that the tests are shared out to: a test whose
  # lane is not listed runs in the first one. One lane saves the boot of
  # the others where only a few tests run (the clang build's in CI).
  set(ORVEXLOG_WINE_LANES a b c CACHE STRING "Wine sessions for the Wine tests, of a, b and c")
  set(_session ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh)
  foreach(_lane IN LISTS ORVEXLOG_WINE_LANES)
    set(_dir ${CMAKE_BINARY_DIR}/wine-${_lane})
    set(WINE_LANE_${_lane}_DIR ${_dir})
    add_test(NAME wine_session_start_${_lane} COMMAND ${_session} start ${_dir})
    add_test(NAME wine_session_stop_${_lane} COMMAND ${_session} stop ${_dir})
    set_tests_properties(wine_session_start_${_lane} PROPERTIES FIXTURES_SETUP wine_${_lane} TIMEOUT 300)
    set_tests_properties(wine_session_stop_${_lane} PROPERTIES FIXTURES_CLEANUP wine_${_lane} TIMEOUT 60)
  endforeach()

  # wine_in_lane TEST LANE: the test runs in that lane's session.
  function(wine_in_lane _test _lane)
    if(NOT _lane IN_LIST ORVEXLOG_WINE_LANES)
      list(GET ORVEXLOG_WINE_LANES 0 _lane)
    endif()
    set_tests_properties(${_test} PROPERTIES FIXTURES_REQUIRED wine_${_lane} RESOURCE_LOCK wine_${_lane}
                         ENVIRONMENT "WINE_SESSION_DIR=${WINE_LANE_${_lane}_DIR}")
  endfunction()

  add_test(NAME win32_tests COMMAND win32_tests --gtest_color=no)
  set_tests_properties(win32_tests PROPERTIES TIMEOUT 300)
  wine_in_lane(win32_tests c)

  file(GLOB WINE_E2E_TESTS CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/tests/wine/*_test.sh ${CMAKE_SOURCE_DIR}/tests/wine/*_test.py)
  foreach(_script IN LISTS WINE_E2E_TESTS)
    get_filename_component(_name ${_script} NAME_WE)
    get_filename_component(_ext ${_script} EXT)
    if(_ext STREQUAL ".py")
      set(_runner python3)
    else()
      set(_runner bash)
    endif()
    file(STRINGS ${_script} _lane_line REGEX "^# lane: [abc]$")
    set(_lane b)
    if(_lane_line MATCHES "^# lane: ([abc])$")
      set(_lane ${CMAKE_MATCH_1})
    endif()
    add_test(NAME wine_${_name} COMMAND ${_runner} ${_script} ${CMAKE_BINARY_DIR})
    set_tests_properties(wine_${_name} PROPERTIES TIMEOUT 300)
    wine_in_lane(wine_${_name} ${_lane})
  endforeach()
  # The layering of src/ by the calls in the Windows objects too; run on
  # the build machine, outside Wine.
  add_test(NAME layers_win32 COMMAND python3 ${CMAKE_SOURCE_DIR}/tools/check_layers.py
           ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
  # Their hosts stay silent or slow past the save's one-minute waits, twice each.
  set_tests_properties(wine_faults_host_test wine_faults_slow_host_test PROPERTIES TIMEOUT 450)
else()
  # Built and run on Windows itself.
  add_test(NAME win32_tests COMMAND win32_tests)
endif()
