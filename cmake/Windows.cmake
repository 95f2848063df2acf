# The Windows game: Frothwick.exe with its icon, version and manifest, no console window, and a zip
# a player unpacks anywhere and plays from:
#
#   (cd build-windows/game && cpack)        # Frothwick-<version>-win64.zip
#
# The zip holds the program, the SDL DLLs it needs, the pictures and sounds, the tool tips' font with
# its licence and a note on where the scores live: nothing else outside Windows itself.
set(FROTHWICK_RC_VERSION ${PROJECT_VERSION}.0)
string(REPLACE "." "," FROTHWICK_RC_VERSION_COMMAS ${FROTHWICK_RC_VERSION})

# The icon is the window's own 32x32 picture.
find_program(CONVERT NAMES convert PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(FROTHWICK_ICON ${CMAKE_BINARY_DIR}/packaging/Frothwick.ico)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
execute_process(COMMAND ${CONVERT} ${FROTHWICK_ASSETS_DIR}/frmMain_icon.png ${FROTHWICK_ICON} COMMAND_ERROR_IS_FATAL ANY)
set(FROTHWICK_MANIFEST ${CMAKE_BINARY_DIR}/packaging/Frothwick.manifest)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/Frothwick.manifest ${FROTHWICK_MANIFEST} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/Frothwick.rc.in ${CMAKE_BINARY_DIR}/packaging/Frothwick.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/packaging/Frothwick.rc TARGET_DIRECTORY frothwick PROPERTIES
                            OBJECT_DEPENDS "${FROTHWICK_ICON};${FROTHWICK_MANIFEST}")
target_sources(frothwick PRIVATE ${CMAKE_BINARY_DIR}/packaging/Frothwick.rc)

# A program Windows starts without a console, named as Windows programs are; the C++ run-time is
# linked in, so the SDL DLLs are the only ones beside it.
set_target_properties(frothwick PROPERTIES OUTPUT_NAME Frothwick WIN32_EXECUTABLE ON)
target_link_options(frothwick PRIVATE -static)

# Beside the program, as in the zip: the DLLs and the font, so the built game runs where it is built.
set(FROTHWICK_FONT /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)
set(FROTHWICK_FONT_LICENCE /usr/share/doc/fonts-dejavu-core/copyright)
set(FROTHWICK_DLLS $<TARGET_FILE:SDL2::SDL2> $<TARGET_FILE:SDL2_image::SDL2_image>
                   $<TARGET_FILE:SDL2_mixer::SDL2_mixer> $<TARGET_FILE:SDL2_ttf::SDL2_ttf>)
add_custom_target(frothwick_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E copy ${FROTHWICK_DLLS} $<TARGET_FILE_DIR:frothwick>
  COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:frothwick>/fonts
  COMMAND ${CMAKE_COMMAND} -E copy ${FROTHWICK_FONT} $<TARGET_FILE_DIR:frothwick>/fonts
  COMMAND ${CMAKE_COMMAND} -E copy ${FROTHWICK_FONT_LICENCE} $<TARGET_FILE_DIR:frothwick>/fonts/DejaVu-LICENCE.txt
  VERBATIM)
add_dependencies(frothwick_runtime frothwick)

install(TARGETS frothwick RUNTIME DESTINATION .)
install(FILES ${FROTHWICK_DLLS} ${FROTHWICK_SOUNDS} DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/windows/Scores.txt DESTINATION .)
install(DIRECTORY ${FROTHWICK_ASSETS_DIR}/ DESTINATION assets)
install(FILES ${FROTHWICK_FONT} DESTINATION fonts)
install(FILES ${FROTHWICK_FONT_LICENCE} DESTINATION fonts RENAME DejaVu-LICENCE.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Frothwick)
set(CPACK_PACKAGE_VENDOR "Tallowmere Games")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Frothwick-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
