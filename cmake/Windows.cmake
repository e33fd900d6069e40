# The Windows archive a player unpacks: vesperine.exe (statically linked, the
# drawing of the PDF in it), LISEZMOI.txt and the manual as text, made by
# outils/zip-windows.sh in the build folder:
#
#   cmake --build build-windows --target vesperine_zip
#
# Included by the root CMakeLists.txt when building for Windows.
set(VESPERINE_ZIP ${PROJECT_BINARY_DIR}/vesperine-${PROJECT_VERSION}-windows-x86_64.zip)
add_custom_command(
  OUTPUT ${VESPERINE_ZIP}
  COMMAND sh ${PROJECT_SOURCE_DIR}/outils/zip-windows.sh ${PROJECT_SOURCE_DIR} $<TARGET_FILE:vesperine>
          ${VESPERINE_ZIP}
  DEPENDS vesperine ${PROJECT_SOURCE_DIR}/outils/zip-windows.sh ${PROJECT_SOURCE_DIR}/doc/LISEZMOI-windows.txt
          ${PROJECT_SOURCE_DIR}/doc/vesperine.6 ${PROJECT_SOURCE_DIR}/debian/changelog
  COMMENT "Making the Windows archive"
  VERBATIM)
add_custom_target(vesperine_zip ALL DEPENDS ${VESPERINE_ZIP})
