# Installation under the standard directories, laid out as Debian lays a game:
#
#   cmake --install <build> [--prefix <dir>]   the program in games, its page in man6,
#                                               the drawing module in <libdir>/vesperine
#
# The Debian package is built from debian/ with dpkg-buildpackage, which runs this
# same installation. Included at the end of the root CMakeLists.txt, once every
# target exists.

include(GNUInstallDirs)

# The page is kept as roff in doc/ and installed gzip-compressed, as Debian
# installs its manual pages (-n keeps the archive free of time stamps, so that
# two builds give the same package).
find_program(VESPERINE_GZIP gzip REQUIRED)
set(VESPERINE_PAGE ${PROJECT_SOURCE_DIR}/doc/vesperine.6)
set(VESPERINE_PAGE_GZ ${PROJECT_BINARY_DIR}/doc/vesperine.6.gz)
add_custom_command(
  OUTPUT ${VESPERINE_PAGE_GZ}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
  COMMAND ${VESPERINE_GZIP} -9 -n -c ${VESPERINE_PAGE} > ${VESPERINE_PAGE_GZ}
  DEPENDS ${VESPERINE_PAGE}
  COMMENT "Compressing the manual page"
  VERBATIM)
add_custom_target(vesperine_page ALL DEPENDS ${VESPERINE_PAGE_GZ})

# Games go to <prefix>/games (/usr/games under /usr), beside the other programs.
set(VESPERINE_INSTALL_GAMESDIR games CACHE PATH "Where the program is installed, under the prefix")
install(TARGETS vesperine RUNTIME DESTINATION ${VESPERINE_INSTALL_GAMESDIR})
install(FILES ${VESPERINE_PAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The module that draws PDFs, private to the program. The program finds it from
# its own directory, by the path between the two, so that any prefix works.
set(VESPERINE_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/vesperine)
install(TARGETS vesperine-pdf LIBRARY DESTINATION ${VESPERINE_INSTALL_MODULEDIR})
cmake_path(ABSOLUTE_PATH VESPERINE_INSTALL_GAMESDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
           OUTPUT_VARIABLE VESPERINE_GAMES_ABSOLU)
cmake_path(ABSOLUTE_PATH VESPERINE_INSTALL_MODULEDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
           OUTPUT_VARIABLE VESPERINE_MODULE_ABSOLU)
file(RELATIVE_PATH VESPERINE_MODULE_RELATIF ${VESPERINE_GAMES_ABSOLU} ${VESPERINE_MODULE_ABSOLU})
target_compile_definitions(vesperine_plateforme PRIVATE VESPERINE_MODULE_INSTALLE="${VESPERINE_MODULE_RELATIF}")
