# Benchmark programs (bench/README.md), built with the Windows build and run
# only by bench/run.sh, never by CTest:
#   floor_save.exe    the least a save can do: copy, paste, stream out
#   minimal_tray.exe  the least a resident program can do: one tray icon
#   bench_probe.exe   times and measures the others from inside Wine
set(ORVEXLOG_BENCH_DIR ${CMAKE_SOURCE_DIR}/bench)

add_executable(floor_save WIN32 ${ORVEXLOG_BENCH_DIR}/floor_save.cpp)
# The core only for the window font's face name, among the program's texts.
target_link_libraries(floor_save PRIVATE orvexlog_core user32 ole32)

add_executable(minimal_tray WIN32 ${ORVEXLOG_BENCH_DIR}/minimal_tray.cpp)
target_link_libraries(minimal_tray PRIVATE user32 shell32)

add_executable(bench_probe ${ORVEXLOG_BENCH_DIR}/bench_probe.cpp)
target_link_libraries(bench_probe PRIVATE user32 shell32 psapi)

foreach(_t floor_save minimal_tray bench_probe)
  # Only the shared handle owners of the Win32 layer; nothing of the product.
  target_include_directories(${_t} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  set_target_properties(${_t} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endforeach()
