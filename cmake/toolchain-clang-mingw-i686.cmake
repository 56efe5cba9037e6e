# Cross build for 32-bit Windows with clang and lld, on the MinGW-w64 headers,
# import libraries and C++ runtime of Debian's i686 MinGW GCC
# (g++-mingw-w64-i686), which must be installed too.
#   cmake -S . -B build/win32-clang -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-clang-mingw-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(MINGW_TRIPLET i686-w64-mingw32)

find_program(CMAKE_C_COMPILER NAMES clang REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES clang++ REQUIRED)
# The MinGW binutils, which GCC brings along, for the rest.
find_program(CMAKE_RC_COMPILER NAMES ${MINGW_TRIPLET}-windres REQUIRED)
find_program(CMAKE_AR NAMES ${MINGW_TRIPLET}-ar REQUIRED)
find_program(CMAKE_RANLIB NAMES ${MINGW_TRIPLET}-ranlib REQUIRED)
find_program(CMAKE_OBJDUMP NAMES ${MINGW_TRIPLET}-objdump REQUIRED)
set(CMAKE_C_COMPILER_TARGET ${MINGW_TRIPLET})
set(CMAKE_CXX_COMPILER_TARGET ${MINGW_TRIPLET})

# The C++ headers and libraries are the MinGW GCC's own, wherever its version
# put them: ask that compiler. The "posix" flavour, as in the GCC build, has
# the full C++ thread library.
find_program(ORVEXLOG_MINGW_GXX NAMES ${MINGW_TRIPLET}-g++-posix ${MINGW_TRIPLET}-g++ REQUIRED)
execute_process(COMMAND ${ORVEXLOG_MINGW_GXX} -print-file-name=include
                OUTPUT_VARIABLE _gcc_include OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${ORVEXLOG_MINGW_GXX} -print-libgcc-file-name
                OUTPUT_VARIABLE _libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(_gcc_lib_dir ${_libgcc} DIRECTORY)
string(JOIN " " _cxx_flags_init
       -isystem ${_gcc_include}/c++ -isystem ${_gcc_include}/c++/${MINGW_TRIPLET})
set(CMAKE_CXX_FLAGS_INIT "${_cxx_flags_init}")
# -B: GCC's own crtbegin.o and crtend.o, not the MinGW runtime's, since only
# GCC's register the DWARF unwind tables with libgcc's unwinder; without them
# every exception ends the program. -pthread: the posix flavour's libstdc++
# calls winpthread, which GCC's driver links by itself and clang's only when
# asked.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -pthread -B${_gcc_lib_dir} -L${_gcc_lib_dir}")

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
