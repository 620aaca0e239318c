# The wxMSW editor: ui/ built for Windows against the static wxMSW of DVR_WX_PREFIX
# (scripts/windows/build-wx.sh), into one self-contained dvr-config.exe that carries its icon,
# version information and manifest. ui/CMakeLists.txt stays the Linux (GTK) build; this
# mirrors it for Windows. Included from the top-level CMakeLists.txt instead of ui/.
set(DVR_UI_DIR ${PROJECT_SOURCE_DIR}/ui)
set(DVR_UI_BIN ${PROJECT_BINARY_DIR}/ui)

# wx-config --static gives the libraries in linking order, system ones included.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base)

file(GLOB UI_SOURCES CONFIGURE_DEPENDS ${DVR_UI_DIR}/*.cpp)
list(REMOVE_ITEM UI_SOURCES ${DVR_UI_DIR}/main.cpp)
add_library(dvr_ui STATIC ${UI_SOURCES})
target_include_directories(dvr_ui PUBLIC ${PROJECT_SOURCE_DIR} ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(dvr_ui PUBLIC ${wxWidgets_DEFINITIONS})
target_compile_options(dvr_ui PUBLIC ${wxWidgets_CXX_FLAGS})
target_link_libraries(dvr_ui PUBLIC dvr_document dvr_storage dvr_model ${wxWidgets_LIBRARIES})
target_precompile_headers(dvr_ui PRIVATE <wx/wx.h>)

include(${PROJECT_SOURCE_DIR}/cmake/WindowIcons.cmake)
dvr_embed_window_icons(dvr_ui ${DVR_UI_DIR} ${DVR_UI_BIN})

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

add_executable(dvr-config WIN32 ${DVR_UI_DIR}/main.cpp ${DVR_UI_BIN}/dvr-config.rc)
target_link_libraries(dvr-config PRIVATE dvr_ui)
# windres finds wx/msw/wx.rc and its icons and cursors under the wx include folder.
target_include_directories(dvr-config PRIVATE ${wxWidgets_INCLUDE_DIRS})
# Stripped at link time: the release program carries no symbols.
target_link_options(dvr-config PRIVATE -s)
