# The programs as a ZIP to unpack anywhere and as an NSIS installer, both made by cpack into
# the build tree's packages/ folder:  cpack --config CPackConfig.cmake  (or: ninja package).

install(TARGETS VeboWAVE VeboCALC RUNTIME DESTINATION . COMPONENT programs)
# CR LF line ends: the read-me is for Notepad.
configure_file(${CMAKE_CURRENT_LIST_DIR}/packaging/ReadMe.txt.in
               ${CMAKE_BINARY_DIR}/packaging/ReadMe.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/packaging/ReadMe.txt DESTINATION . COMPONENT programs)

# Values reach the NSIS script as written here: one backslash is one backslash.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Vebo)
set(CPACK_PACKAGE_VENDOR Tessaril)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Vebo-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tessaril\\Vebo")
# One entry in Add/Remove Programs whatever the version, so that a new version replaces it.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Vebo)
set(CPACK_PACKAGE_EXECUTABLES VeboWAVE VeboWAVE VeboCALC VeboCALC)

set(CPACK_NSIS_PACKAGE_NAME "VeboWAVE and VeboCALC")
set(CPACK_NSIS_DISPLAY_NAME "VeboWAVE and VeboCALC")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME VeboWAVE.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/player/resources/vebowave.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/player/resources/vebowave.ico)
set(CPACK_NSIS_MENU_LINKS ReadMe.txt "Read me")
# Without this, the installer would show CMake's own licence.
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The file associations box and the settings question: installer_extras.nsh. CPack's script
# takes this code at its top level ahead of the pages (in place of a header bitmap, which the
# installer does not have): the one place open to new sections and functions.
set(CPACK_NSIS_INSTALLER_ICON_CODE
    "!include \"${CMAKE_CURRENT_LIST_DIR}/packaging/installer_extras.nsh\"")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "!insertmacro VeboRemoveAssociations\n!insertmacro VeboOfferSettingsRemoval")

include(CPack)
# A component brings CPack's components page, where the file associations box appears.
cpack_add_component(programs DISPLAY_NAME "VeboWAVE and VeboCALC" REQUIRED)
