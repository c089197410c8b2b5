# Finding controls, filling the main window's form and reading the result a
# check shows: shared by the window tests, the check benchmark and the picture
# tool, so it links no test framework. Included by each of them; built once.
include_guard(GLOBAL)
add_library(horavela_window_driver STATIC
    ${CMAKE_CURRENT_LIST_DIR}/WindowDriver.cpp ${CMAKE_CURRENT_LIST_DIR}/WindowDriver.h)
target_include_directories(horavela_window_driver PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(horavela_window_driver PUBLIC Qt6::Widgets)
