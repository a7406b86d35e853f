# Cross toolchain for 64-bit Windows (PE32+): the same sources, built for
# machines whose kernel cannot run Wine's 32-bit loader, so that the Wine
# suites still run against real Windows binaries there.
set(QM_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
