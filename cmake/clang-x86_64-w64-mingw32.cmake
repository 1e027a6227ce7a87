# Cross-build for 64-bit Windows with Debian's clang, lld and llvm-rc (as
# llvm-windres) against the MinGW-w64 headers and libraries: code or resource
# syntax that only GCC and windres accept fails here. Debian's clang finds
# neither libstdc++'s headers nor its library by itself; they are named from
# GCC's win32 thread model, which needs no winpthread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(clang_target x86_64-w64-windows-gnu)
file(GLOB mingw_gcc_dirs /usr/lib/gcc/x86_64-w64-mingw32/*-win32)
list(SORT mingw_gcc_dirs COMPARE NATURAL ORDER DESCENDING)
list(GET mingw_gcc_dirs 0 mingw_gcc_dir)

find_program(CMAKE_C_COMPILER clang REQUIRED)
find_program(CMAKE_CXX_COMPILER clang++ REQUIRED)
file(GLOB llvm_bin_dirs /usr/lib/llvm-*/bin)
find_program(CMAKE_RC_COMPILER NAMES llvm-windres PATHS ${llvm_bin_dirs} REQUIRED)
set(CMAKE_C_COMPILER_TARGET ${clang_target})
set(CMAKE_CXX_COMPILER_TARGET ${clang_target})
set(CMAKE_CXX_FLAGS_INIT
    "-isystem ${mingw_gcc_dir}/include/c++ -isystem ${mingw_gcc_dir}/include/c++/x86_64-w64-mingw32")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${mingw_gcc_dir}")
# The resource script is UTF-8, which llvm-rc reads only when told so.
set(CMAKE_RC_FLAGS_INIT "--target=pe-x86-64 --codepage=65001")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
