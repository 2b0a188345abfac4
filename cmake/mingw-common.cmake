# The -posix compilers: GoogleTest needs std::thread and friends, which the
# win32 thread model lacks.
set(CMAKE_C_COMPILER ${PSUI_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PSUI_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PSUI_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PSUI_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
