# Native unit and scenario tests: GoogleTest on the portable core and the
# simulated desktop. tests/shared/ holds suites that also run under Wine
# against the real Win32 layer.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE NATIVE_TEST_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tests/native/*.cpp ${CMAKE_SOURCE_DIR}/tests/shared/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(native_tests PRIVATE orvexlog_sim GTest::gtest GTest::gtest_main)
target_include_directories(native_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
include(${CMAKE_SOURCE_DIR}/cmake/TestCode.cmake)
orvexlog_test_code(native_tests <gtest/gtest.h> <algorithm> <deque> <filesystem> <fstream> <functional> <map>
                   <memory> <optional> <string> <vector>)
orvexlog_unity_tests(native_tests)
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60)

# No files or folders of src/ that use each other (tools/check_layers.py):
# by their includes and by the calls in this build's objects.
add_test(NAME layers COMMAND python3 ${CMAKE_SOURCE_DIR}/tools/check_layers.py
         ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
# The checker itself: a small tree of its own passes, and fails with a loop
# planted in it (files, folders, calls without an include).
add_test(NAME layers_checker COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/tools/check_layers_test.py
         ${CMAKE_CXX_COMPILER})
