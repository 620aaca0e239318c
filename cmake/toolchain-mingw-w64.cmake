# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: the
# POSIX thread model, which std::thread and the C++ runtime's locks need).
# DVR_WX_PREFIX names the static wxMSW that scripts/windows/build-wx.sh built.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(DVR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DVR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DVR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${DVR_MINGW}-windres)
set(CMAKE_AR ${DVR_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${DVR_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_STRIP ${DVR_MINGW}-strip CACHE FILEPATH "")

if(NOT DVR_WX_PREFIX AND DEFINED ENV{DVR_WX_PREFIX})
  set(DVR_WX_PREFIX $ENV{DVR_WX_PREFIX})
endif()
set(DVR_WX_PREFIX "${DVR_WX_PREFIX}" CACHE PATH "The static wxMSW from scripts/windows/build-wx.sh")

set(CMAKE_FIND_ROOT_PATH /usr/${DVR_MINGW} ${DVR_WX_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained program: the C++ runtime, libgcc and winpthread linked in, no DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# wxWidgets through the prefix's own wx-config (FindwxWidgets uses it when cross-compiling),
# forced so that a build folder follows the prefix when a new wxMSW is built.
if(DVR_WX_PREFIX)
  set(wxWidgets_CONFIG_EXECUTABLE ${DVR_WX_PREFIX}/bin/wx-config CACHE FILEPATH "" FORCE)
endif()

# Test programs run under Wine (scripts/windows/wine-run.sh sets up nothing itself; the
# test runner scripts/windows/run-tests.sh gives it a private prefix and server).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows/wine-run.sh)
