# Installing Quorvant and building its .deb. The program, its help file and
# its licence share one folder (the program looks for both beside itself);
# a link in bin/ starts it, and the desktop finds its entry, icon and
# AppStream metadata in the usual places.
#   cmake --install build --prefix /usr/local      (or DESTDIR=... cmake --install build)
#   cpack --config build/CPackConfig.cmake          (a .deb in the current folder)

include(GNUInstallDirs)
set(QUORVANT_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/quorvant)
set(_generated ${CMAKE_BINARY_DIR}/generated)

if(TARGET quorvant)
  install(TARGETS quorvant RUNTIME DESTINATION ${QUORVANT_PROGRAM_DIR})
  # A relative link, so the tree works under any prefix.
  file(RELATIVE_PATH _target /${CMAKE_INSTALL_BINDIR} /${QUORVANT_PROGRAM_DIR}/quorvant)
  file(CREATE_LINK ${_target} ${_generated}/quorvant-link SYMBOLIC)
  install(FILES ${_generated}/quorvant-link DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME quorvant)
endif()
install(FILES ${QUORVANT_HELP_FILE} ${CMAKE_SOURCE_DIR}/resources/License.txt DESTINATION ${QUORVANT_PROGRAM_DIR})
install(FILES ${_generated}/${QUORVANT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_generated}/${QUORVANT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(_size 32 48 128)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/${_size}/quorvant.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvant)
set(CPACK_PACKAGE_VENDOR "${QUORVANT_COMPANY}")
set(CPACK_PACKAGE_VERSION "${QUORVANT_DISPLAY_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mortgage APR calculator")
set(CPACK_PACKAGE_DESCRIPTION "Quorvant works out the annual percentage rate of a home mortgage from the price, the down payment, the term, the interest rate and the loan fees.")
set(CPACK_PACKAGE_CONTACT "support@ostrel.example")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/resources/License.txt)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://ostrel.example/")
# Libraries from the linked program; the rest is loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
include(CPack)

# The package test: build the .deb, unpack it into a throw-away root and
# start the program from there.
find_program(QUORVANT_PYTHON3 python3)
if(QUORVANT_TESTS AND TARGET quorvant AND QUORVANT_PYTHON3)
  add_test(NAME packaging_package_test COMMAND ${QUORVANT_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/packaging/package_test.py)
  set_tests_properties(packaging_package_test PROPERTIES
    ENVIRONMENT "QUORVANT_BUILD_DIR=${CMAKE_BINARY_DIR};QUORVANT_APP_ID=${QUORVANT_APP_ID};PYTHONPATH=${CMAKE_SOURCE_DIR}/tests/e2e;PYTHONDONTWRITEBYTECODE=1"
    TIMEOUT 600 RUN_SERIAL TRUE)
endif()

# The pictures' test reads them from the embedded resources.
if(TARGET runtime_ArtworkTest)
  target_link_libraries(runtime_ArtworkTest PRIVATE quorvant_artwork quorvant_version)
endif()
