# Installing Korvana like any Linux desktop program, and its Debian package.
#   <prefix>/lib/korvana/   the program with what it loads beside it (images/, licences)
#   <prefix>/bin/korvana    a link to it, so the PATH starts it
#   <prefix>/bin/korvana-odds
#   desktop entry, hicolor icons, AppStream metainfo, copyright and changelog

set(korvana_linux_dir ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS korvana RUNTIME DESTINATION lib/korvana)
# A relative link: the program finds its folder through /proc/self/exe, which
# resolves the link, so pictures and licences are found from any working folder.
file(CREATE_LINK ../lib/korvana/korvana ${CMAKE_BINARY_DIR}/korvana-path-link SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/korvana-path-link DESTINATION bin RENAME korvana)

install(FILES ${korvana_linux_dir}/korvana.desktop DESTINATION share/applications)
configure_file(${korvana_linux_dir}/example.korvana.Korvana.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/example.korvana.Korvana.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/example.korvana.Korvana.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION share/icons)

install(FILES ${korvana_linux_dir}/copyright DESTINATION share/doc/korvana)
foreach(page korvana korvana-odds)
  set(korvana_man_page ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  configure_file(${korvana_linux_dir}/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${korvana_man_page}
    COMMAND gzip -n -9 -c ${CMAKE_BINARY_DIR}/man/${page}.1 > ${korvana_man_page}
    DEPENDS ${CMAKE_BINARY_DIR}/man/${page}.1 VERBATIM)
  list(APPEND korvana_man_pages ${korvana_man_page})
endforeach()
add_custom_target(korvana_man_pages ALL DEPENDS ${korvana_man_pages})
install(FILES ${korvana_man_pages} DESTINATION share/man/man1)
set(korvana_changelog ${CMAKE_BINARY_DIR}/changelog.gz)  # a native package: no Debian revision
configure_file(${korvana_linux_dir}/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${korvana_changelog}
  COMMAND gzip -n -9 -c ${CMAKE_BINARY_DIR}/changelog > ${korvana_changelog}
  DEPENDS ${CMAKE_BINARY_DIR}/changelog VERBATIM)
add_custom_target(korvana_changelog ALL DEPENDS ${korvana_changelog})
install(FILES ${korvana_changelog} DESTINATION share/doc/korvana)

# Everything the rules above install, so that building just the program
# (scripts/start, scripts/package) leaves a tree that "cmake --install" and
# cpack can copy; neither builds the tests and benchmarks first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
add_custom_target(korvana_installable)
add_dependencies(korvana_installable korvana korvana-odds korvana_man_pages korvana_changelog)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvana)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Korvana developers <${KORVANA_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_VENDOR "The Korvana developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Texas Hold'em hand analyser and odds calculator")
set(CPACK_PACKAGE_DESCRIPTION
  "Korvana shows, for the cards you know, how each of the ten poker hands stands:\ncomplete, still possible with the odds of making it by the flop, the turn or\nthe river, or impossible. A desktop window and the korvana-odds command.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KORVANA_SITE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not found by the shared-library scan: the fonts the
# window's layout is measured in (see resources/fonts/font_map.json).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wine")
# Qt's own texts (standard buttons, --help) in the player's language; without
# them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
