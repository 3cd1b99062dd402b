# The settings record and its file (Config, LoadSettings, SaveSettings), and
# numbers written in the operator's locale.
add_library(kv_settings STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Config.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Config.h
    ${CMAKE_CURRENT_LIST_DIR}/LocaleNumber.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LocaleNumber.h
    ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Settings.h
    ${CMAKE_CURRENT_LIST_DIR}/SettingsIni.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsIni.h
    ${CMAKE_CURRENT_LIST_DIR}/SmallFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SmallFile.h)
target_include_directories(kv_settings PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(kv_settings PUBLIC Qt6::Core PRIVATE kv_eye1lib)
