# dvr_embed_window_icons(target ui_dir bin_dir): the application icon travels inside the
# program, its PNGs turned into a generated header for target. Only the sizes a window's
# title bar and task list use: the larger ones (switchers, menus) come from the icon
# installed in the theme, and every window's icon list is converted and sent to the X
# server each time the window is shown (a 256-pixel icon alone is 512 kB).
function(dvr_embed_window_icons target ui_dir bin_dir)
  set(sizes 16 32 48 64)
  set(pngs "")
  foreach(size IN LISTS sizes)
    list(APPEND pngs ${ui_dir}/icons/dvr-config-${size}.png)
  endforeach()
  set(header ${bin_dir}/generated/app_icon_data.h)
  string(REPLACE ";" "," size_arg "${sizes}")
  add_custom_command(
    OUTPUT ${header}
    COMMAND ${CMAKE_COMMAND} -DICON_DIR=${ui_dir}/icons -DOUTPUT=${header}
            -DSIZES=${size_arg} -P ${ui_dir}/embed_icons.cmake
    DEPENDS ${pngs} ${ui_dir}/embed_icons.cmake
    COMMENT "Embedding the application icon"
    VERBATIM)
  target_sources(${target} PRIVATE ${header})
  target_include_directories(${target} PRIVATE ${bin_dir}/generated)
endfunction()
