# The Windows program: app/main.cpp and dvr_ui linked into one self-contained dvr-config.exe that
# carries its icon, version information and manifest, at the top of the build folder.
# Included from ui/CMakeLists.txt.
set(DVR_UI_DIR ${CMAKE_CURRENT_SOURCE_DIR})
set(DVR_UI_BIN ${CMAKE_CURRENT_BINARY_DIR})

# The program's icon for Explorer, the task bar and Start: every size of ui/icons in one
# .ico, the small ones as bitmaps and 128 and 256 as PNG (Windows Vista and later).
find_program(ICOTOOL icotool REQUIRED)
set(DVR_ICO ${DVR_UI_BIN}/dvr-config.ico)
set(ICO_SMALL "")
foreach(size 16 32 48 64)
  list(APPEND ICO_SMALL ${DVR_UI_DIR}/icons/dvr-config-${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${DVR_ICO}
  COMMAND ${ICOTOOL} -c -o ${DVR_ICO} ${ICO_SMALL}
          --raw=${DVR_UI_DIR}/icons/dvr-config-128.png --raw=${DVR_UI_DIR}/icons/dvr-config-256.png
  DEPENDS ${ICO_SMALL} ${DVR_UI_DIR}/icons/dvr-config-128.png ${DVR_UI_DIR}/icons/dvr-config-256.png
  COMMENT "Making the Windows icon"
  VERBATIM)

set(DVR_MANIFEST ${PROJECT_SOURCE_DIR}/packaging/windows/dvr-config.manifest)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/dvr-config.rc.in ${DVR_UI_BIN}/dvr-config.rc @ONLY)
set_source_files_properties(${DVR_UI_BIN}/dvr-config.rc PROPERTIES OBJECT_DEPENDS "${DVR_ICO};${DVR_MANIFEST}")

add_executable(dvr-config WIN32 ${DVR_UI_DIR}/app/main.cpp ${DVR_UI_BIN}/dvr-config.rc)
target_link_libraries(dvr-config PRIVATE dvr_ui)
# windres finds wx/msw/wx.rc and its icons and cursors under the wx include folder.
target_include_directories(dvr-config PRIVATE ${wxWidgets_INCLUDE_DIRS})
# Stripped at link time: the release program carries no symbols.
target_link_options(dvr-config PRIVATE -s)
set_target_properties(dvr-config PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
