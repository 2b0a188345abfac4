# The win32 thread model compilers: their runtime calls nothing newer than
# what Windows 95/98/Me export (the -posix runtime, winpthreads, needs XP and
# Vista functions, and Windows refuses to load a program naming one it lacks).
set(CMAKE_C_COMPILER ${PSUI_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${PSUI_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${PSUI_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PSUI_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
