# The Debian package: `cpack -G DEB` in a Release build folder (or `cpack --preset package`)
# makes kanalyx_<version>_<arch>.deb, which installs under /usr what `cmake --install` installs.
set(CPACK_PACKAGE_NAME kanalyx)
set(CPACK_PACKAGE_VENDOR Velto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the channel lists of TV receivers (.tll files)")
# Debian wants the lines of the description shorter than 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Kanalyx opens the .tll channel-list files of a family of TV receivers and
edits their analog, radio and digital TV lists: reorder, rename, duplicate,
delete, tick and untick channels, edit the raw fields of a channel and the
receiver settings stored in the file, import lists from another file and
compare settings. Saving writes the file byte for byte in its own layout.

The package holds the editor (kanalyx), a command-line tool on the same core
for scripts (kanalyx-cli) and the Russian translation of the editor.")
set(CPACK_PACKAGE_CONTACT "Kanalyx maintainers <kanalyx@velto.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the libraries the programs link (Qt 6 Core, Gui and Widgets, the C and C++
# libraries) with their least versions. Qt loads the window-system plugins and its own Russian
# texts at run time, so they are named here. expat (the GlobalClone reader) is named as well: the
# linker drops it from a program that does not call the reader, and dpkg-shlibdeps would then
# not see it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libexpat1, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# The copyright file and the changelog, compressed as Debian keeps them, where every package keeps
# them. The changelog's first entry must be this version's.
set(kanalyx_changelog ${PROJECT_SOURCE_DIR}/resources/package/changelog)
file(STRINGS ${kanalyx_changelog} changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^kanalyx \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "${kanalyx_changelog} begins with '${changelog_head}', "
        "not with an entry for version ${PROJECT_VERSION}")
endif()
find_program(KANALYX_GZIP gzip REQUIRED)
add_custom_command(OUTPUT changelog.gz
    COMMAND ${KANALYX_GZIP} -9 -n -c ${kanalyx_changelog} > changelog.gz
    DEPENDS ${kanalyx_changelog}
    COMMENT "Compressing the changelog")
add_custom_target(kanalyx_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/resources/package/copyright
    ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kanalyx)

include(CPack)
