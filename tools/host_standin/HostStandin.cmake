# host_standin.exe: our own stand-in for the chat client and its companion
# (see tools/README.md). Included by cmake/Win32Build.cmake.
set(HOST_STANDIN_DIR ${CMAKE_SOURCE_DIR}/tools/host_standin)
file(GLOB HOST_STANDIN_SOURCES CONFIGURE_DEPENDS ${HOST_STANDIN_DIR}/*.cpp)
# Its Japanese sample log is written in UTF-8 and compiled to CP932 bytes.
orvexlog_cp932_source(${HOST_STANDIN_DIR}/sample_text.cpp _sample_compiled)
list(TRANSFORM HOST_STANDIN_SOURCES REPLACE "^${HOST_STANDIN_DIR}/sample_text.cpp$" "${_sample_compiled}")
add_executable(host_standin WIN32 ${HOST_STANDIN_SOURCES})
target_include_directories(host_standin PRIVATE ${HOST_STANDIN_DIR})
target_link_libraries(host_standin PRIVATE orvexlog_core user32 gdi32 ole32)
set_target_properties(host_standin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# A test tool: built for compile speed, as the tests are (its work is in the
# system's controls, not in its own code).
include(${CMAKE_SOURCE_DIR}/cmake/TestCode.cmake)
orvexlog_test_code(host_standin)
