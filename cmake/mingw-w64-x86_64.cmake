# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads, for
# std::thread). Libraries for the target (wxWidgets, GoogleTest) are found only
# under CMAKE_FIND_ROOT_PATH; scripts/windows/build passes their prefixes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SAMPLES_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SAMPLES_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SAMPLES_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${SAMPLES_MINGW}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${SAMPLES_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that imports only system DLLs: the C++ runtime and winpthread
# are linked in, so nothing has to be shipped beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
