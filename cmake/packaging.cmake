# Installation and packaging: the executable, the desktop entry and the fire-cock sign as the
# program's icon; CPack makes a .deb on Linux. On Windows the executable carries the icon and
# the manifest in its resources instead.

include(GNUInstallDirs)

set(NAPORIS_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
set(NAPORIS_ICON_SIZES 16 24 32 48)

if(WIN32)
    # A GUI program: no console window. The .rc names the .ico (48/32/24/16), the manifest
    # binding Microsoft.Windows.Common-Controls 6.0.0.0 and the version information; the
    # version in both comes from the project's.
    enable_language(RC)
    set(NAPORIS_RC_DIR ${PROJECT_BINARY_DIR}/windows)
    configure_file(${NAPORIS_RESOURCES}/windows/naporis.manifest.in
                   ${NAPORIS_RC_DIR}/naporis.manifest @ONLY)
    configure_file(${NAPORIS_RESOURCES}/windows/naporis.rc.in ${NAPORIS_RC_DIR}/naporis.rc @ONLY)
    target_sources(naporis PRIVATE ${NAPORIS_RC_DIR}/naporis.rc)
    # windres finds the manifest beside the generated .rc and the icon in the sources.
    target_include_directories(naporis PRIVATE ${NAPORIS_RC_DIR} ${NAPORIS_RESOURCES}/windows)
    set_property(SOURCE ${NAPORIS_RC_DIR}/naporis.rc APPEND PROPERTY OBJECT_DEPENDS
                 ${NAPORIS_RC_DIR}/naporis.manifest ${NAPORIS_RESOURCES}/windows/naporis.ico)
    set_target_properties(naporis PROPERTIES WIN32_EXECUTABLE ON)
    install(TARGETS naporis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    return()
endif()

install(TARGETS naporis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${NAPORIS_RESOURCES}/naporis.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The inspection file's type (application/x-naporis, *.naporis), which the desktop entry opens.
install(FILES ${NAPORIS_RESOURCES}/naporis-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME naporis.xml)
foreach(size IN LISTS NAPORIS_ICON_SIZES)
    install(FILES ${NAPORIS_RESOURCES}/fire_cock_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME naporis.png)
endforeach()
install(FILES ${NAPORIS_RESOURCES}/fire_cock.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME naporis.svg)

set(CPACK_PACKAGE_NAME naporis)
set(CPACK_PACKAGE_VENDOR "Naporis")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Naporis maintainers <naporis@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps reads the libraries the executable links (Qt 6 Widgets, Gui, Core,
# libzip, pugixml) and names their Debian runtime packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The protocol is a .docx handed to the desktop through xdg-open: without a word processor it
# is saved but nothing shows it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-writer | abiword, xdg-utils")
include(CPack)
