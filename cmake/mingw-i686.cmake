# Cross toolchain for 32-bit Windows (PE32) with MinGW-w64: the shipped build.
set(QM_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
