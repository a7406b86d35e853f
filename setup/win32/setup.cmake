# Windows builds: the dialog's realisation as real windows (setup_win32) and
# the windowed program setup.exe, runtime linked statically.
file(GLOB setup_win32_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(FILTER setup_win32_sources EXCLUDE REGEX "/WinMain\\.cpp$")
add_library(setup_win32 STATIC ${setup_win32_sources})
target_include_directories(setup_win32 PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(setup_win32 PUBLIC UNICODE _UNICODE)
target_link_libraries(setup_win32 PUBLIC setup_core qm_platform_win32 gdi32 user32 comctl32 ole32
                                         oleaut32 uuid)

add_executable(setup WIN32 ${CMAKE_CURRENT_LIST_DIR}/WinMain.cpp ${CMAKE_CURRENT_LIST_DIR}/setup.rc)
target_link_options(setup PRIVATE -municode)
target_link_libraries(setup PRIVATE setup_win32)
