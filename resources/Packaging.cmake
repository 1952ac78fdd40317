# Installing Quorvant and building its .deb. The program, its help file and
# its licence share one folder (the program looks for both beside itself);
# a link in bin/ starts it, and the desktop finds its entry, icon and
# AppStream metadata in the usual places.
#   cmake --install build --prefix /usr/local      (or DESTDIR=... cmake --install build)
#   cpack --config build/CPackConfig.cmake          (a .deb in the current folder)

include(GNUInstallDirs)
set(QUORVANT_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/quorvant)
set(_generated ${CMAKE_BINARY_DIR}/generated)
set(QUORVANT_MAINTAINER "Quorvant Developers <maintainers@quorvant.example>")
# The first packaging of this upstream version: 4.5.1-1.
set(QUORVANT_DEBIAN_REVISION 1)

install(TARGETS quorvant RUNTIME DESTINATION ${QUORVANT_PROGRAM_DIR})
# A stripped install (cpack's, or cmake --install --strip) also drops the
# compiler's notes, as Debian's own packages do.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUORVANT_PROGRAM_DIR}/quorvant\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
# A relative link, so the tree works under any prefix.
file(RELATIVE_PATH _target /${CMAKE_INSTALL_BINDIR} /${QUORVANT_PROGRAM_DIR}/quorvant)
file(CREATE_LINK ${_target} ${_generated}/quorvant-link SYMBOLIC)
install(FILES ${_generated}/quorvant-link DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME quorvant)

# The licence beside the program in the build folder too, where the help
# file already is: "Read License" opens it from the program's own folder.
set(_licence ${CMAKE_BINARY_DIR}/src/app/License.txt)
add_custom_command(OUTPUT ${_licence}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/License.txt ${_licence}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/License.txt VERBATIM)
add_custom_target(quorvant_licence ALL DEPENDS ${_licence})
add_dependencies(quorvant quorvant_licence)
install(FILES ${QUORVANT_HELP_FILE} ${CMAKE_SOURCE_DIR}/resources/License.txt DESTINATION ${QUORVANT_PROGRAM_DIR})
install(FILES ${_generated}/${QUORVANT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_generated}/${QUORVANT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Every folder under resources/icons is one hicolor size ("48" or "48x48",
# "scalable"), so a size added there is installed without an edit here.
file(GLOB _icons CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/icons/*/*.png
  ${CMAKE_SOURCE_DIR}/resources/icons/*/*.svg)
foreach(_icon ${_icons})
  get_filename_component(_folder ${_icon} DIRECTORY)
  get_filename_component(_size ${_folder} NAME)
  if(_size MATCHES "^[0-9]+$")
    set(_size ${_size}x${_size})
  endif()
  install(FILES ${_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}/apps)
endforeach()

# The manual page, compressed the way Debian wants it (no name or time in
# the gzip header, so the package is reproducible).
configure_file(${CMAKE_SOURCE_DIR}/resources/quorvant.1.in ${_generated}/quorvant.1 @ONLY)
# The changelog and the machine-readable copyright file of the package. The
# program's licence is not a known free licence, so its text goes in whole.
configure_file(${CMAKE_SOURCE_DIR}/resources/changelog.Debian.in ${_generated}/changelog.Debian @ONLY)
file(STRINGS ${CMAKE_SOURCE_DIR}/resources/License.txt _licence_lines)
set(_licence_text "")
foreach(_line IN LISTS _licence_lines)
  if(_line STREQUAL "")
    string(APPEND _licence_text " .\n")
  else()
    string(APPEND _licence_text " ${_line}\n")
  endif()
endforeach()
file(WRITE ${_generated}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Quorvant\n"
  "Upstream-Contact: ${QUORVANT_COMPANY} <support@ostrel.example>\n"
  "Source: https://www.ostrel.example/\n"
  "\n"
  "Files: *\n"
  "Copyright: 2010 ${QUORVANT_COMPANY}\n"
  "License: Quorvant-license\n"
  "\n"
  "License: Quorvant-license\n"
  "${_licence_text}")
find_program(QUORVANT_GZIP gzip REQUIRED)
foreach(_name quorvant.1 changelog.Debian)
  add_custom_command(OUTPUT ${_generated}/${_name}.gz
    COMMAND ${QUORVANT_GZIP} -9nc ${_generated}/${_name} > ${_generated}/${_name}.gz
    DEPENDS ${_generated}/${_name})
endforeach()
add_custom_target(quorvant_package_docs ALL DEPENDS ${_generated}/quorvant.1.gz ${_generated}/changelog.Debian.gz)
# Built with the program, so installing after "--target quorvant" finds them.
add_dependencies(quorvant quorvant_package_docs)
install(FILES ${_generated}/quorvant.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_generated}/copyright ${_generated}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvant)
install(FILES ${CMAKE_SOURCE_DIR}/resources/quorvant.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME quorvant)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvant)
set(CPACK_PACKAGE_VENDOR "${QUORVANT_COMPANY}")
set(CPACK_PACKAGE_VERSION "${QUORVANT_DISPLAY_VERSION}")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUORVANT_DEBIAN_REVISION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mortgage APR calculator")
# Lines of at most 80 characters, as dpkg and apt show them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quorvant works out the annual percentage rate (APR) of a home mortgage from\n"
  "the price of the home, the down payment, the term, the interest rate and the\n"
  "fees the lender charges. Each time a field is left, the window shows the down\n"
  "payment, the loan amount, the monthly payment, the total of the fees and the\n"
  "APR. The values of the last calculation are kept for the next start, and a\n"
  "help file explains every field.")
set(CPACK_PACKAGE_CONTACT "${QUORVANT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUORVANT_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/resources/License.txt)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.ostrel.example/")
# The program without its debug information (a package of about 1 MB, not 12).
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/resources/DebInstalledSize.cmake)
# Libraries from the linked program; the rest is loaded at run time: the
# platform plug-ins, the font the windows are laid out for, and xdg-open,
# which opens every web page, e-mail address and the licence.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, xdg-utils")
include(CPack)
