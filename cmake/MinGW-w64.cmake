# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which Qt needs).
# The Qt and libraries built for that target sit in one folder, named by TAVLORA_WINDOWS_SDK (a CMake
# variable or the environment variable of that name), holding qt6-mingw/ and deps-mingw/.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVLORA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVLORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVLORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVLORA_MINGW}-windres)

if(NOT TAVLORA_WINDOWS_SDK)
    set(TAVLORA_WINDOWS_SDK "$ENV{TAVLORA_WINDOWS_SDK}")
endif()
if(NOT TAVLORA_WINDOWS_SDK)
    message(FATAL_ERROR "Name the Windows SDK folder: -DTAVLORA_WINDOWS_SDK=<folder with qt6-mingw/>")
endif()
# The compiler checks run in projects of their own, which see only what is passed on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TAVLORA_WINDOWS_SDK)

set(CMAKE_FIND_ROOT_PATH /usr/${TAVLORA_MINGW} ${TAVLORA_WINDOWS_SDK}/qt6-mingw
    ${TAVLORA_WINDOWS_SDK}/deps-mingw)
set(CMAKE_PREFIX_PATH ${TAVLORA_WINDOWS_SDK}/qt6-mingw ${TAVLORA_WINDOWS_SDK}/deps-mingw)
# Programs that run during the build (moc, rcc, uic, the shell) are the build machine's own.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's tools come from the build machine's Qt of exactly the same version.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
