# Installation under the standard directories, the manual page and the Debian package.
#
#   cmake --install <build> [--prefix <dir>]   the program in bin, its page in man6
#   cpack --config <build>/CPackConfig.cmake -G DEB
#
# Included at the end of the root CMakeLists.txt, once every target exists.

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

install(TARGETS vesperine RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VESPERINE_PAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# Debian package: cpack -G DEB in the build directory.
set(VESPERINE_MAINTAINER "Vesperine maintainers <vesperine@example.org>"
    CACHE STRING "Maintainer written in the Debian package (Name <address>)")

set(CPACK_PACKAGE_NAME vesperine)
set(CPACK_PACKAGE_VENDOR "Vesperine")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VESPERINE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "French console character creator for a science-fantasy role-playing game")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VESPERINE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long description; cpack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "vesperine is a French-language console program that walks one player through
the creation of a character for a science-fantasy tabletop role-playing game
played with d5, d10 and d100 dice: homeworld, characteristics roll, career and
its option picks, wounds, fate points and profile, then a summary.
.
The finished character can be saved as a plain-text character sheet
(Windows-1252) appended to <name>.pdf in the current directory. Answers may be
typed or piped from a file; see vesperine(6).")
# The libraries the program links against (libc6, libstdc++6, libgcc-s1) are
# read from the binary by dpkg-shlibdeps, from dpkg-dev.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR DEB)
include(CPack)

# Installs into a temporary prefix, checks both files and renders the page;
# then builds the package and reads its contents.
if(VESPERINE_TESTS)
  add_test(NAME installation
           COMMAND sh ${PROJECT_SOURCE_DIR}/tests/installation.sh ${PROJECT_BINARY_DIR} $<CONFIG>)
  set_tests_properties(installation PROPERTIES TIMEOUT 300)
endif()
