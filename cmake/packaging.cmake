# Debian packages from the install components: `cpack -G DEB` in the build folder makes
# tarvelo (the programs), libkestrine1 (the library) and libkestrine-dev (its header,
# kestrine.pc and CMake package).
set(CPACK_PACKAGE_NAME tarvelo)
set(CPACK_PACKAGE_VENDOR "Tarvelo")
set(CPACK_PACKAGE_CONTACT "Tarvelo maintainers <maintainers@tarvelo.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tarvelo.org")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL tarvelo libkestrine libkestrine-dev)
set(CPACK_DEB_COMPONENT_INSTALL ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies on shared libraries come from dpkg-shlibdeps; those loaded at run time are
# named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(deb_version "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")

set(CPACK_DEBIAN_TARVELO_PACKAGE_NAME tarvelo)
set(CPACK_DEBIAN_TARVELO_PACKAGE_SECTION devel)
# The window and tarvelo-cli load the library by its SONAME, and the window draws
# through a Qt platform plugin (offscreen included).
set(CPACK_DEBIAN_TARVELO_PACKAGE_DEPENDS "libkestrine1 (= ${deb_version}), qt6-qpa-plugins")
# Online services load libcurl when first used; Qt's own texts in the interface language.
set(CPACK_DEBIAN_TARVELO_PACKAGE_RECOMMENDS "libcurl4, qt6-translations-l10n")
set(CPACK_DEBIAN_TARVELO_PACKAGE_SUGGESTS "hunspell-en-us")
set(CPACK_DEBIAN_TARVELO_DESCRIPTION "translator of Windows programs' resource scripts
Tarvelo translates the user-interface texts of Windows programs at the level
of their resource scripts (.rc, .rc2) and compiled resources: it pairs a
source script with a target script in another language, shows every
STRINGTABLE, MENU, DIALOG and DLGINIT text side by side, fills what the
translation memory has seen before, checks the translations and previews the
dialogs. tarvelo-cli does the same from the command line and in CI.")

set(CPACK_DEBIAN_LIBKESTRINE_PACKAGE_NAME libkestrine1)
set(CPACK_DEBIAN_LIBKESTRINE_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Debian refreshes the linker cache through the ldconfig trigger.
set(CPACK_DEBIAN_LIBKESTRINE_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/cmake/debian/triggers)
set(CPACK_DEBIAN_LIBKESTRINE_DESCRIPTION "translation memory of Tarvelo
Kestrine keeps pairs of a source text and its translation, in a SQLite file
or on a PostgreSQL server, and finds them again exactly, by words or by
similarity. It has a plain C interface.")

set(CPACK_DEBIAN_LIBKESTRINE-DEV_PACKAGE_NAME libkestrine-dev)
set(CPACK_DEBIAN_LIBKESTRINE-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBKESTRINE-DEV_PACKAGE_DEPENDS "libkestrine1 (= ${deb_version})")
set(CPACK_DEBIAN_LIBKESTRINE-DEV_DESCRIPTION "translation memory of Tarvelo - development files
Kestrine keeps pairs of a source text and its translation and finds them
again exactly, by words or by similarity. This package holds the header
<kestrine/kestrine.h>, the pkg-config file kestrine.pc and the CMake package
(find_package(Kestrine), target Kestrine::kestrine).")

# Each package carries the copyright file and the Debian changelog that Debian's policy
# asks for, in its own documentation folder.
find_program(GZIP_PROGRAM gzip)
# The newest entry of the changelog is this release: a new version needs its entry.
file(STRINGS ${CMAKE_SOURCE_DIR}/cmake/debian/changelog.in newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "\\(${PROJECT_VERSION}-")
  message(FATAL_ERROR "cmake/debian/changelog.in begins with '${newest_entry}', "
                      "not an entry for ${PROJECT_VERSION}")
endif()
foreach(component tarvelo libkestrine libkestrine-dev)
  string(TOUPPER ${component} upper)
  set(DEBIAN_PACKAGE ${CPACK_DEBIAN_${upper}_PACKAGE_NAME})
  set(folder ${CMAKE_BINARY_DIR}/debian/${DEBIAN_PACKAGE})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/debian/changelog.in ${folder}/changelog.Debian @ONLY)
  add_custom_command(OUTPUT ${folder}/changelog.Debian.gz
    COMMAND ${GZIP_PROGRAM} -9nkf ${folder}/changelog.Debian
    DEPENDS ${folder}/changelog.Debian VERBATIM)
  add_custom_target(debian_changelog_${component} ALL DEPENDS ${folder}/changelog.Debian.gz)
  install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright ${folder}/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${DEBIAN_PACKAGE} COMPONENT ${component})
endforeach()

include(CPack)
