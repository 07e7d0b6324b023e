# What an installed Velkaro carries besides its programs: the manual pages, the bash
# completion, the demo competition, the AppStream metadata and the Debian copyright and
# changelog; and the Debian package itself (CPack, "make package"). Included from the top
# CMakeLists.txt, after the programs' own folders.
include(GNUInstallDirs)

set(VELKARO_PAKKETMAP ${PROJECT_SOURCE_DIR}/packaging)
set(VELKARO_MAKEN ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${VELKARO_MAKEN})
# Where the project publishes its pages; the AppStream screenshots are taken from there.
set(VELKARO_WEBADRES "https://velkaro.example/" CACHE STRING "The project's web address")
set(VELKARO_APPSTREAM_ID "example.velkaro.Velkaro" CACHE STRING "The AppStream id")
set(VELKARO_MAINTAINER "Velkaro developers <velkaro@velkaro.example>"
    CACHE STRING "The package's maintainer")

# Manual pages: the programs' own --help and --version through help2man, with a hand-written
# part (packaging/*.h2m); velkaro-cli's page adds every command's own help.
find_program(VELKARO_HELP2MAN help2man)
if(VELKARO_HELP2MAN)
  set(paginas)
  set(programmas velkaro-cli)
  if(VELKARO_UI)
    list(APPEND programmas velkaro)
  endif()
  foreach(p IN LISTS programmas)
    set(extra)
    if(p STREQUAL "velkaro-cli")
      set(extra --commands)
    endif()
    add_custom_command(
      OUTPUT ${VELKARO_MAKEN}/${p}.1.gz
      COMMAND ${VELKARO_PAKKETMAP}/maak-man $<TARGET_FILE:${p}> ${VELKARO_PAKKETMAP}/${p}.h2m
              ${VELKARO_MAKEN}/${p}.1.gz ${extra}
      DEPENDS ${p} ${VELKARO_PAKKETMAP}/${p}.h2m ${VELKARO_PAKKETMAP}/maak-man
      COMMENT "Manual page ${p}(1)"
      VERBATIM)
    list(APPEND paginas ${VELKARO_MAKEN}/${p}.1.gz)
  endforeach()
  add_custom_target(velkaro-man ALL DEPENDS ${paginas})
  install(FILES ${paginas} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man not found (scripts/install-deps installs it): no manual pages")
endif()

install(FILES ${VELKARO_PAKKETMAP}/velkaro-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME velkaro-cli)

# The demo competition: the main file and its group files.
file(GLOB demo ${PROJECT_SOURCE_DIR}/examples/club.xv7 ${PROJECT_SOURCE_DIR}/examples/club.1??)
install(FILES ${demo} DESTINATION ${CMAKE_INSTALL_DATADIR}/velkaro/examples)

if(VELKARO_UI)
  configure_file(${VELKARO_PAKKETMAP}/velkaro.metainfo.xml.in
                 ${VELKARO_MAKEN}/${VELKARO_APPSTREAM_ID}.metainfo.xml @ONLY)
  install(FILES ${VELKARO_MAKEN}/${VELKARO_APPSTREAM_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The Debian copyright file and changelog, with the version and release date above.
execute_process(COMMAND date -u -R -d "${VELKARO_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE VELKARO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${VELKARO_PAKKETMAP}/copyright.in ${VELKARO_MAKEN}/copyright @ONLY)
configure_file(${VELKARO_PAKKETMAP}/changelog.in ${VELKARO_MAKEN}/changelog @ONLY)
add_custom_command(
  OUTPUT ${VELKARO_MAKEN}/changelog.gz
  COMMAND gzip -9nkf ${VELKARO_MAKEN}/changelog
  DEPENDS ${VELKARO_MAKEN}/changelog
  VERBATIM)
add_custom_target(velkaro-changelog ALL DEPENDS ${VELKARO_MAKEN}/changelog.gz)
install(FILES ${VELKARO_MAKEN}/copyright ${VELKARO_MAKEN}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velkaro)

# The Debian package: the files above and the programs, as "cmake --install" puts them under
# /usr. The dependencies come from the binaries (dpkg-shlibdeps); libqt6svg6 is the one
# dpkg-shlibdeps cannot see, as Qt loads its icon plugin at run time for the program's SVG
# icon.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velkaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELKARO_MAINTAINER}")
set(CPACK_PACKAGE_VENDOR "The Velkaro developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "run draughts competitions: pairings, results, standings")
set(CPACK_PACKAGE_DESCRIPTION
    "Velkaro runs draughts competitions for a club or a tournament organiser:
the players and their drawing numbers, the rounds and their pairings (round
robin, Swiss, Keizer, place pairing, Laren), the results, the standings under
several calculation systems with configurable tie-breaks, and the reports, to
the screen, a printer or a file.

The package holds the desktop program velkaro (Qt 6), the command-line
program velkaro-cli with its bash completion, the manual pages, the user guide
and a demo competition.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELKARO_WEBADRES}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VELKARO_UI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
endif()
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
include(CPack)
