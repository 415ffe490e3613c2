# `make package`: a Debian package of what `cmake --install` installs, with its library
# dependencies found by dpkg-shlibdeps. Configure with CMAKE_INSTALL_PREFIX=/usr for it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora-puzzle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT ${VELMORA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku game whose puzzles are dealt by number")
set(CPACK_PACKAGE_DESCRIPTION [=[
Fill every empty square of the 9 x 9 grid with a digit 1-9 so that no digit
repeats in a row, a column or a 3 x 3 box. Each puzzle is dealt on demand
from its number and level, so the same number gives the same puzzle on every
machine. Four levels, hints, a check of your digits, an automatic finish, a
dot-matrix clock, one saved game, and printing to a printer, a preview or a
PDF file.

The package also holds velmora-cli, which deals the numbered puzzles and
writes their printed pages from the command line.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
