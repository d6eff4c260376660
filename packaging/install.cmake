# What `cmake --install` puts where, following GNUInstallDirs, and the Debian package that CPack
# builds from the same rules: `cpack -G DEB` in the build folder.
include(GNUInstallDirs)

set(TALLYHAWK_APP_ID org.tallyhawk.Tallyhawk)
set(TALLYHAWK_HOMEPAGE https://www.example.com/tallyhawk)
set(TALLYHAWK_SCREENSHOTS ${TALLYHAWK_HOMEPAGE}/screenshots)
set(TALLYHAWK_RELEASE_DATE 2026-12-09)
# Every size of the program icon that the asset generator draws.
set(TALLYHAWK_ICON_SIZES 16 24 32 48 64 72 80 96 128)

install(TARGETS tallyhawk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TALLYHAWK_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(${CMAKE_CURRENT_LIST_DIR}/${TALLYHAWK_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/packaging/${TALLYHAWK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${TALLYHAWK_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The session bus interface, for those who write against it.
install(FILES ${PROJECT_SOURCE_DIR}/app/${TALLYHAWK_APP_ID}.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/interfaces)

foreach(size IN LISTS TALLYHAWK_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/ui/assets/images/icon-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${TALLYHAWK_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyhawk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Track the time you spend on your projects")
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop time tracker: keep a list of projects, start and stop sessions, add notes, "
    "and read the plain-text session log back as a report.")
set(CPACK_PACKAGE_CONTACT "Tallyhawk developers <tallyhawk@example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TALLYHAWK_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX ${TALLYHAWK_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)
# tallyhawk_<version>_<architecture>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The library dependencies come from dpkg-shlibdeps (package dpkg-dev). The windows are drawn in
# Arial and need a metric-compatible font to keep their layout.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and dialogs in the user's language, beside ours (built into the program).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
