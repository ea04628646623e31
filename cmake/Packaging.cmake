# The Debian package: `cpack` in the build folder writes velmors-snake_<version>_<arch>.deb with
# everything `cmake --install` puts under /usr. Its Depends come from dpkg-shlibdeps (dpkg-dev).

# A release build may set its own: -DSNAKE_PACKAGE_MAINTAINER="Name <address>".
set(SNAKE_PACKAGE_MAINTAINER "Velmor <velmor@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})  # Debian names are lower-case: velmors-snake
set(CPACK_PACKAGE_VENDOR "Velmor")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game of Snake for the desktop")
# One line each in the control file, which wants them under 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Steer a green snake around a field walled in red with the arrow keys."
    "Each blue food cell it eats makes it one piece longer and puts new food"
    "somewhere else. The snake may turn straight back and cross its own body;"
    "only the wall ends the game.")
set(CPACK_STRIP_FILES ON)
# The same sources make the same .deb, whoever packs them where: every time stamp in it is the
# date of the sources (cmake/Reproducible.cmake), and cmake/DebMembers.cmake takes the packer's
# umask out of the archive's members.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT
    "set(ENV{SOURCE_DATE_EPOCH} ${SNAKE_SOURCE_DATE_EPOCH})\nset(SNAKE_AR \"${CMAKE_AR}\")\n")
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebMembers.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # <name>_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SNAKE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations, for the message's button in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
