# Spectro pages: for now the ICC conversion page (TICCPage), which turns a
# measured colour into CMYK printer values through an output profile.
set(KV_SPECTRO_DIR ${CMAKE_CURRENT_LIST_DIR}/spectro)

add_library(kv_spectro STATIC
    ${KV_SPECTRO_DIR}/ICCPage.h
    ${KV_SPECTRO_DIR}/ICCPage.cpp)
# "ICCPage.h" from the shell, "PageHost.h" from the page.
target_include_directories(kv_spectro PUBLIC ${KV_SPECTRO_DIR} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(kv_spectro
    PUBLIC kv_cms kv_colour kv_settings Qt6::Widgets
    PRIVATE kv_eyeone kv_eye1lib)
