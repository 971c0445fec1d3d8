# The man page with the project's version, the files a distribution wants beside the game
# (copyright, changelog, the software centre's metainfo), and the Debian package (`make package`):
# CPack's DEB generator over the same install rules as `cmake --install`.

set(VA_APPSTREAM_ID org.mogulira.void_angler)

# The changelog and the metainfo are written by hand; their newest entry must be this version.
file(STRINGS dist/changelog va_changelog_top LIMIT_COUNT 1)
file(STRINGS dist/${VA_APPSTREAM_ID}.metainfo.xml va_metainfo_release REGEX "<release version=")
list(GET va_metainfo_release 0 va_metainfo_release)
foreach(top "${va_changelog_top}" "${va_metainfo_release}")
    if(NOT top MATCHES "[(\"]${PROJECT_VERSION}[)\"]")
        message(FATAL_ERROR "dist/: newest entry is not version ${PROJECT_VERSION}: ${top}")
    endif()
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    dist/changelog dist/${VA_APPSTREAM_ID}.metainfo.xml)

# Debian compresses man pages and changelogs with gzip -9n (no name, no timestamp: the same
# bytes every time).
set(va_dist ${CMAKE_CURRENT_BINARY_DIR}/dist)
configure_file(dist/void-angler.6.in ${va_dist}/void-angler.6 @ONLY)
configure_file(dist/changelog ${va_dist}/changelog COPYONLY)
foreach(plain void-angler.6 changelog)
    execute_process(COMMAND gzip -9nkf ${va_dist}/${plain} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(FILES ${va_dist}/void-angler.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES dist/copyright ${va_dist}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/void-angler)
install(FILES dist/${VA_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME void-angler)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT
    "The Void-Angler developers <maintainers@users.noreply.c-seed-1d9bf2ec.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small space arcade game with rocks, fish and portals")
# CPack puts the summary on top and indents the paragraphs as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Mogu Lira: Void-Angler is a small single-player arcade game. You fly a ship
through a field of drifting rocks, turn it in 5-degree steps, thrust along
your heading and fire missiles; every rock a missile hits is destroyed whole
and scores a point, and a cleared field brings the next, larger wave.

Around that core the field holds a flock of space fish, blocks that show the
cells of a life-like automaton, portals that carry the ship across, a radar
and a slowly shifting backdrop. It runs full-screen and plays with the
keyboard or a game controller.")
include(CPack)
