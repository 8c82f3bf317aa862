# Windows x86_64 built on Linux: Debian's MinGW-w64 (POSIX threads) against the Qt for Windows
# that tools/qt-windows.sh puts in a cache folder, with the host tools (moc, rcc, uic) of Debian's
# own Qt of the same version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# The Qt folder: -DDEXO_QT_WINDOWS, else $DEXO_QT_WINDOWS, else the cache folder of the script.
if(NOT DEXO_QT_WINDOWS)
    if(DEFINED ENV{DEXO_QT_WINDOWS} AND NOT "$ENV{DEXO_QT_WINDOWS}" STREQUAL "")
        set(DEXO_QT_WINDOWS "$ENV{DEXO_QT_WINDOWS}")
    elseif(DEFINED ENV{XDG_CACHE_HOME} AND IS_ABSOLUTE "$ENV{XDG_CACHE_HOME}")
        set(DEXO_QT_WINDOWS "$ENV{XDG_CACHE_HOME}/dexo/qt-6.4.2-mingw")
    else()
        set(DEXO_QT_WINDOWS "$ENV{HOME}/.cache/dexo/qt-6.4.2-mingw")
    endif()
endif()
if(NOT EXISTS "${DEXO_QT_WINDOWS}/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "No Qt for Windows in ${DEXO_QT_WINDOWS}: run tools/qt-windows.sh first")
endif()
set(DEXO_QT_WINDOWS "${DEXO_QT_WINDOWS}" CACHE PATH "Qt for Windows (tools/qt-windows.sh)")
set(QT_HOST_PATH /usr CACHE PATH "Debian's Qt, whose tools build for Windows too")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DEXO_QT_WINDOWS QT_HOST_PATH QT_HOST_PATH_CMAKE_DIR)

# Libraries and headers only from MinGW and that Qt; programs from the host. The prefix is Qt's
# lib/cmake, not its top: CMake would join the two paths instead of nesting them.
set(CMAKE_FIND_ROOT_PATH "${DEXO_QT_WINDOWS}" /usr/x86_64-w64-mingw32)
list(PREPEND CMAKE_PREFIX_PATH "${DEXO_QT_WINDOWS}/lib/cmake")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
