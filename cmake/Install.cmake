# Installing the game like a desktop game: the program with its pictures and sounds in one folder,
# a launcher on PATH, a menu entry, an icon and the package metadata.
#
#   cmake --install build --prefix ~/.local      # for one user
#   (cd build && cpack -G DEB)                   # frothwick_<version>_<arch>.deb for /usr
#
# Only the game and its data are installed: the test suites and benchmarks have no install rules.
include(GNUInstallDirs)

set(FROTHWICK_APP_ID example.tallowmere_games.Frothwick)

# The game looks up assets/, burp.wav and siren.wav beside its own program, so all of them share one
# folder of their own; a private folder under lib keeps the program itself off PATH.
set(FROTHWICK_INSTALL_GAMEDIR lib/frothwick CACHE STRING
    "Folder, relative to the prefix, for the program with its pictures and sounds")
mark_as_advanced(FROTHWICK_INSTALL_GAMEDIR)

install(TARGETS frothwick RUNTIME DESTINATION ${FROTHWICK_INSTALL_GAMEDIR})
install(DIRECTORY ${FROTHWICK_ASSETS_DIR}/ DESTINATION ${FROTHWICK_INSTALL_GAMEDIR}/assets)
install(FILES ${FROTHWICK_SOUNDS} DESTINATION ${FROTHWICK_INSTALL_GAMEDIR})

# The launcher reaches the game through a path relative to itself, so a moved prefix keeps working.
file(RELATIVE_PATH FROTHWICK_LAUNCHER_TO_GAME
     /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${FROTHWICK_INSTALL_GAMEDIR})
configure_file(${CMAKE_SOURCE_DIR}/packaging/frothwick.in ${CMAKE_BINARY_DIR}/packaging/frothwick @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/frothwick DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop menu entry, its icon (the window's own 32x32 icon) and the software centre's card.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${FROTHWICK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/frothwick.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${FROTHWICK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME frothwick)
set(CPACK_PACKAGE_VENDOR "Tallowmere Games")
set(CPACK_PACKAGE_CONTACT "Tallowmere Games <games@tallowmere-games.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade puzzle game of falling beers")
set(CPACK_PACKAGE_DESCRIPTION
    "Beers of seven kinds drop one at a time into a pub board. Steer each falling\n"
    "beer and clear six of one kind in a two-by-three block with a burp, before\n"
    "the columns fill up or the police raid the pub. Keeps a table of the ten\n"
    "best scores.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tallowmere Games <games@tallowmere-games.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tallowmere-games.example/)
# What the game needs to run and nothing of its build: the SDL libraries at least in the versions
# the game is built and tested with, the C and C++ run-time libraries in the versions its program
# asks for, and fonts-dejavu-core for the DejaVu Sans the tool tips are drawn in. The picture, mixer
# and font libraries are opened only when needed, so no tool that reads the program's links finds
# them: they stay in this list by hand.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
       "libc6 (>= 2.34)"
       "libgcc-s1 (>= 3.0)"
       "libstdc++6 (>= 11)"
       "libsdl2-2.0-0 (>= 2.26.5)"
       "libsdl2-image-2.0-0 (>= 2.6.3)"
       "libsdl2-mixer-2.0-0 (>= 2.6.2)"
       "libsdl2-ttf-2.0-0 (>= 2.20.1)"
       "fonts-dejavu-core (>= 2.37)")
include(CPack)
