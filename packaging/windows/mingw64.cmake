# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads,
# for std::thread and std::mutex). Copied into the cross-library cache
# folder, whose prefix/ it searches: Qt records this file's path.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KINEA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KINEA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KINEA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KINEA_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KINEA_MINGW} ${CMAKE_CURRENT_LIST_DIR}/prefix)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
