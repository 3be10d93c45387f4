# The programs as a ZIP to unpack anywhere and as an NSIS installer, both made by cpack into
# the build tree's packages/ folder:  cpack --config CPackConfig.cmake  (or: ninja package).
# Beside the packages go the two programs and a SHA256SUMS of all four.

install(TARGETS VeboWAVE VeboCALC RUNTIME DESTINATION . COMPONENT programs)
# CR LF line ends: the read-me is for Notepad. Every file installed carries the product's name,
# so that none takes the place of another program's in a folder they share.
configure_file(${CMAKE_CURRENT_LIST_DIR}/packaging/ReadMe.txt.in
               ${CMAKE_BINARY_DIR}/packaging/VeboReadMe.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/packaging/VeboReadMe.txt DESTINATION . COMPONENT programs)

# The uninstaller deletes a type's key "if empty", which makensis before 3.06 takes to mean
# "without subkeys", values and all (the installer script stops such a makensis as well).
find_program(VEBO_MAKENSIS makensis)
if(VEBO_MAKENSIS)
    execute_process(COMMAND ${VEBO_MAKENSIS} -VERSION OUTPUT_VARIABLE makensis_version)
    string(REGEX MATCH "[0-9]+\\.[0-9]+" makensis_version "${makensis_version}")
    if(makensis_version VERSION_LESS 3.06)
        message(FATAL_ERROR "The installer needs NSIS 3.06 or later; ${VEBO_MAKENSIS} is "
                            "version ${makensis_version}.")
    endif()
endif()

# Values reach the NSIS script as written here: one backslash is one backslash.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Vebo)
set(CPACK_PACKAGE_VENDOR Tessaril)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The release is the 32-bit build, with an ANSI installer: NSIS's Unicode installers do not run
# on Windows 95, 98 and ME. The 64-bit one is packaged too, with a 64-bit installer, only so that
# the installer is tested where no 32-bit program runs. The target is set ahead of CPack's whole
# script (makensis -X), before any text of it is stored in the installer; the blank is escaped
# because CPack splits its command line at blanks.
if(VEBO_RELEASE)
    set(CPACK_PACKAGE_FILE_NAME Vebo-${PROJECT_VERSION}-win32)
    set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-XTarget\\ x86-ansi")
else()
    set(CPACK_PACKAGE_FILE_NAME Vebo-${PROJECT_VERSION}-win64)
    set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-XTarget\\ amd64-unicode")
endif()
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tessaril\\Vebo")
# One entry in Add/Remove Programs whatever the version, so that a new version replaces it.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Vebo)
# Started without a file the player ends at once: it is reached through "Open with" instead.
set(CPACK_PACKAGE_EXECUTABLES VeboCALC VeboCALC)

set(CPACK_NSIS_PACKAGE_NAME "VeboWAVE and VeboCALC")
set(CPACK_NSIS_DISPLAY_NAME "VeboWAVE and VeboCALC")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME VeboWAVE.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/player/resources/vebowave.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/player/resources/vebowave.ico)
set(CPACK_NSIS_MENU_LINKS VeboReadMe.txt "Read me")
set(CPACK_NSIS_UNINSTALL_NAME VeboUninstall)
# The project's own copy of CPack's installer script (NSIS.template.in): no PATH code in it.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/packaging)
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

# The same bytes from every build: the ZIP is written again without what libarchive takes from
# the machine and the moment, and the installer holds no file times (installer_extras.nsh).
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(CPACK_VEBO_PYTHON ${Python3_EXECUTABLE})
set(CPACK_VEBO_SOURCE_DIR ${PROJECT_SOURCE_DIR})
foreach(program VeboWAVE VeboCALC)
    get_target_property(folder ${program} BINARY_DIR)
    list(APPEND CPACK_VEBO_PROGRAMS ${folder}/${program}.exe)
endforeach()
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/packaging/same_zip.cmake
                             ${CMAKE_CURRENT_LIST_DIR}/packaging/sha256sums.cmake)

include(CPack)
# A component brings CPack's components page, where the file associations box appears.
cpack_add_component(programs DISPLAY_NAME "VeboWAVE and VeboCALC" REQUIRED)
