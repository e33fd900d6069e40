# The fault cases against the Windows storage, cross-built and run under wine
# (test_pannes_windows.cpp): configure with -DVESPERINE_PANNES_WINDOWS=ON, then
#
#   cmake --build <dir> --target vesperine_pannes_windows && ctest --test-dir <dir> -R pannes_windows
#
# GoogleTest is built from Debian's sources (package googletest) unless the
# suite has a target for it already.
if(NOT TARGET GTest::gtest)
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
add_executable(vesperine_pannes_windows tests/test_pannes_windows.cpp tests/appels_windows_en_panne.cpp
                                        tests/pannes.cpp)
target_include_directories(vesperine_pannes_windows PRIVATE tests plateforme/windows)
target_link_libraries(vesperine_pannes_windows PRIVATE vesperine_dialogue vesperine_dessin GTest::gtest_main)
target_compile_definitions(vesperine_pannes_windows PRIVATE
  VESPERINE_TRANSCRIPTS="${PROJECT_SOURCE_DIR}/tests/transcripts")
enable_testing()
find_program(VESPERINE_WINE wine REQUIRED)
add_test(NAME pannes_windows COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${PROJECT_BINARY_DIR}/wine WINEDEBUG=-all
                                     ${VESPERINE_WINE} $<TARGET_FILE:vesperine_pannes_windows>)
