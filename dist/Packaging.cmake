# SPDX-License-Identifier: GPL-3.0-or-later
# One layout for every install, the Debian package's included, as Debian
# lays out games: the programs in games/, their data in share/games/gorvak/.
# The programs find the data relative to themselves, so any prefix works.
include(GNUInstallDirs)

set(GORVAK_INSTALL_GAMESDIR games CACHE STRING
    "Where gorvak and gorvak-dungeon go, relative to the prefix (bin for a home install)")
set(GORVAK_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/games/gorvak)
set(GORVAK_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/gorvak)
file(RELATIVE_PATH GORVAK_PROGRAM_TO_DATA
    ${CMAKE_INSTALL_PREFIX}/${GORVAK_INSTALL_GAMESDIR} ${CMAKE_INSTALL_PREFIX}/${GORVAK_INSTALL_DATADIR})

# `cpack -G DEB` in the build folder: gorvak_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME gorvak)
set(CPACK_PACKAGE_VENDOR Varnel)
set(GORVAK_MAINTAINER "Varnel <varnel@users.noreply.github.com>" CACHE STRING
    "Who the package and its changelog name as maintainer")
set(CPACK_PACKAGE_CONTACT ${GORVAK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dungeon role-playing game in Chinese")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/dist/description.txt)
# GPL-3.0-or-later, the font OFL-1.1: the copyright file says so to Debian.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends comes from dpkg-shlibdeps on the installed programs, and by hand for
# the sound libraries the game loads while it runs (sound/Library.h):
# PulseAudio's client and SDL (where no server answers), each from the oldest
# version with every function the game looks up.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0 (>= 2.0.12), libpulse0 (>= 0.99.1)")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
