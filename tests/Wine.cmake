# The suite cross-built for Windows (preset windows-tests), included by
# tests/CMakeLists.txt: GoogleTest built here from Debian's sources (package
# googletest, /usr/src/googletest; nothing is fetched), and every test program
# run through wine, in a wine prefix of this build tree (owned by whoever builds,
# root included; ~/.wine is never touched) with wine's own messages off.
set(VESPERINE_GOOGLETEST /usr/src/googletest CACHE PATH "GoogleTest's sources (Debian: googletest)")
if(NOT EXISTS ${VESPERINE_GOOGLETEST}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest's sources are needed in ${VESPERINE_GOOGLETEST}: sh outils/installer-paquets.sh windows")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VESPERINE_GOOGLETEST} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

find_program(VESPERINE_WINE wine REQUIRED)
find_program(VESPERINE_WINESERVER wineserver REQUIRED)
set(VESPERINE_WINEPREFIX ${PROJECT_BINARY_DIR}/wine)
# No prompt to install wine's .NET or HTML engines: the tests need neither.
set(VESPERINE_WINE_ENV WINEPREFIX=${VESPERINE_WINEPREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
set(CMAKE_CROSSCOMPILING_EMULATOR env ${VESPERINE_WINE_ENV} ${VESPERINE_WINE})

# The prefix is made once, before any test program runs, so that no test pays
# for it or prints wine's notice that it made one; its log stays beside it.
add_custom_command(
  OUTPUT ${VESPERINE_WINEPREFIX}/system.reg
  COMMAND env ${VESPERINE_WINE_ENV} sh -c "\"$0\" wineboot --init > wineboot.log 2>&1 && \"$1\" --wait"
          ${VESPERINE_WINE} ${VESPERINE_WINESERVER}
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  COMMENT "Making the wine prefix of the tests"
  VERBATIM)
add_custom_target(vesperine_wine DEPENDS ${VESPERINE_WINEPREFIX}/system.reg)
