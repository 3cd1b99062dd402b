# Spectro pages: what the Colorimetry and Visual match pages show, computed
# without widgets (kv_spectro_model, so it tests without a window), and the
# pages of the spectro tab that show it (kv_spectro): Colorimetry,
# Reflectance, delta L-a-b, CieLab, Visual match and ICC conversion.
set(KV_SPECTRO_DIR ${CMAKE_CURRENT_LIST_DIR}/spectro)

add_library(kv_spectro_model STATIC
    ${KV_SPECTRO_DIR}/SpectroFormat.h
    ${KV_SPECTRO_DIR}/SpectroFormat.cpp
    ${KV_SPECTRO_DIR}/ColorimetryModel.h
    ${KV_SPECTRO_DIR}/ColorimetryModel.cpp
    ${KV_SPECTRO_DIR}/VisualMatchModel.h
    ${KV_SPECTRO_DIR}/VisualMatchModel.cpp
    ${KV_SPECTRO_DIR}/ReflectanceReadout.h
    ${KV_SPECTRO_DIR}/ReflectanceReadout.cpp)
target_include_directories(kv_spectro_model PUBLIC ${KV_SPECTRO_DIR})
target_link_libraries(kv_spectro_model PUBLIC kv_cms kv_colour kv_settings Qt6::Core)
set_target_properties(kv_spectro_model PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

add_library(kv_spectro STATIC
    ${KV_SPECTRO_DIR}/ICCPage.h
    ${KV_SPECTRO_DIR}/ICCPage.cpp
    ${KV_SPECTRO_DIR}/SpectroWidgets.h
    ${KV_SPECTRO_DIR}/SpectroWidgets.cpp
    ${KV_SPECTRO_DIR}/SpectroPages.h
    ${KV_SPECTRO_DIR}/SpectroPages.cpp
    ${KV_SPECTRO_DIR}/SpectroPagesLayout.cpp
    ${KV_SPECTRO_DIR}/TriggerReflectance.h
    ${KV_SPECTRO_DIR}/TriggerReflectance.cpp)
# "ICCPage.h" from the shell, "PageHost.h" from the page.
target_include_directories(kv_spectro PUBLIC ${KV_SPECTRO_DIR} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(kv_spectro
    PUBLIC kv_spectro_model kv_cms kv_colour kv_settings kv_look kv_graphs Qt6::Widgets
    PRIVATE kv_eyeone kv_eye1lib)
set_target_properties(kv_spectro PROPERTIES AUTOMOC ON)
# The CieLab page reads its background picture beside the executable.
if(TARGET kv_cielab_picture)
  add_dependencies(kv_spectro kv_cielab_picture)
endif()
