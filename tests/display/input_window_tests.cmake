# Tests of the input state (no SDL) and of the SDL window thread under SDL's dummy video driver.
# Included from this directory's CMakeLists.txt.

add_executable(display_input_tests ${CMAKE_CURRENT_LIST_DIR}/input_test.cpp)
target_link_libraries(display_input_tests PRIVATE tp_display_headless GTest::gtest_main tp_warnings)
gtest_discover_tests(display_input_tests TEST_PREFIX "display.input.")

# The test binary sets SDL_VIDEODRIVER=dummy itself unless the environment names a driver.
add_executable(display_window_tests ${CMAKE_CURRENT_LIST_DIR}/window_test.cpp)
target_link_libraries(display_window_tests PRIVATE tp_display PkgConfig::SDL2 GTest::gtest_main tp_warnings)
gtest_discover_tests(display_window_tests TEST_PREFIX "display.window." PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=dummy")
