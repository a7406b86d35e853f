# vellora.dll: the in-process COM server of the print control (Windows builds).
set(vcom_dir ${CMAKE_CURRENT_LIST_DIR})
set(vres_dir ${CMAKE_CURRENT_SOURCE_DIR}/res)
set(vgen_dir ${CMAKE_CURRENT_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${vgen_dir})

# Type library, C++ header and GUIDs from the IDL. The library's system kind
# follows the target: 32-bit Windows for PE32, 64-bit for PE32+.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(widl_kind --win64)
else()
  set(widl_kind --win32)
endif()
find_program(QM_WIDL NAMES ${QM_MINGW_TRIPLE}-widl widl REQUIRED)
find_path(QM_WINE_IDL_DIR oaidl.idl PATHS /usr/include/wine/wine/windows /usr/include/wine/windows
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(QM_STDOLE_DIR stdole2.tlb
          PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/i386-linux-gnu/wine/i386-windows
                /usr/lib/wine
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_custom_command(
  OUTPUT ${vgen_dir}/vellora.tlb ${vgen_dir}/vellora_h.h ${vgen_dir}/vellora_i.c
  COMMAND ${QM_WIDL} ${widl_kind} -I${QM_WINE_IDL_DIR} -L${QM_STDOLE_DIR}
          -t -T ${vgen_dir}/vellora.tlb -h -H ${vgen_dir}/vellora_h.h -u -U ${vgen_dir}/vellora_i.c
          ${vres_dir}/vellora.idl
  DEPENDS ${vres_dir}/vellora.idl
  COMMENT "widl: type library of vellora"
  VERBATIM)
add_custom_target(vellora_idl DEPENDS ${vgen_dir}/vellora.tlb ${vgen_dir}/vellora_h.h)

file(GLOB vcom_sources CONFIGURE_DEPENDS ${vcom_dir}/*.cpp)
set(vellora_rc ${vres_dir}/vellora.rc)
set_source_files_properties(${vellora_rc} PROPERTIES OBJECT_DEPENDS
  "${vgen_dir}/vellora.tlb;${vres_dir}/PrintCtl.rgs;${vres_dir}/toolbox.bmp;${vres_dir}/PT.HTM")

add_library(vellora SHARED ${vcom_sources} ${vgen_dir}/vellora_i.c ${vellora_rc}
                           ${vcom_dir}/vellora.def)
add_dependencies(vellora vellora_idl)
set_target_properties(vellora PROPERTIES PREFIX "" OUTPUT_NAME vellora)
target_include_directories(vellora PRIVATE ${vcom_dir} ${vgen_dir} ${vres_dir})
target_link_libraries(vellora PRIVATE vellora_core qm_platform_win32 ole32 oleaut32 uuid gdi32
                                      user32 advapi32)
# Only the four exports of the .def file, by their plain names.
target_link_options(vellora PRIVATE -Wl,--exclude-all-symbols -Wl,--kill-at
                    -Wl,--enable-stdcall-fixup)
