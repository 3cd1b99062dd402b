# "Cielab.bmp", the CIELab diagram's background picture, is made at build
# time through Little CMS (as the display profile is) and lies beside the
# executable under its fixed name.
add_executable(kv_make_cielab_picture ${CMAKE_CURRENT_LIST_DIR}/MakeCielabPicture.cpp)
target_link_libraries(kv_make_cielab_picture PRIVATE PkgConfig::LCMS2)
set_target_properties(kv_make_cielab_picture PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

set(KV_CIELAB_PICTURE "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Cielab.bmp")
add_custom_command(
    OUTPUT "${KV_CIELAB_PICTURE}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}"
    COMMAND kv_make_cielab_picture "${KV_CIELAB_PICTURE}"
    DEPENDS kv_make_cielab_picture
    COMMENT "Making the CIELab diagram's picture \"Cielab.bmp\""
    VERBATIM)
add_custom_target(kv_cielab_picture ALL DEPENDS "${KV_CIELAB_PICTURE}")
# Whatever draws the charts also gets the picture beside it.
add_dependencies(kv_graphs kv_cielab_picture)

include(GNUInstallDirs)
install(FILES "${KV_CIELAB_PICTURE}" DESTINATION ${CMAKE_INSTALL_BINDIR})
