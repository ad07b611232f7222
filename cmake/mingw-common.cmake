# Shared part of the MinGW-w64 toolchain files; VELU_TRIPLE names the target.
set(CMAKE_C_COMPILER   ${VELU_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELU_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VELU_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELU_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The binaries must run without any MinGW runtime DLL beside them: the GCC
# runtime, winpthread and zlib are linked statically; our own DLLs are named
# by CMake through their import libraries, which -static does not affect.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
