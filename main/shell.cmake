# The application shell: the main window with its start-up sequence and
# measurement loop (kv_shell), and the executable that runs it.

# The dialogs draw the look's artwork and fonts once that library exists.
if(TARGET kv_look)
  foreach(dialog kv_calibrwin kv_measurep)
    if(TARGET ${dialog})
      target_link_libraries(${dialog} PRIVATE kv_look)
      target_compile_definitions(${dialog} PRIVATE KV_HAVE_LOOK)
    endif()
  endforeach()
endif()

add_library(kv_shell STATIC
    ${CMAKE_CURRENT_LIST_DIR}/LanguageChooser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageChooser.h)
target_include_directories(kv_shell PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(kv_shell PUBLIC Qt6::Widgets)
