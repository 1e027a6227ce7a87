# The release package: one ZIP per architecture whose top folder, named like the
# ZIP, holds the program, the kit program mariadb-kit.exe, the
# administrators' install and removal templates, their einstellungen.ini,
# LIESMICH.txt and the LICENSE, with a SHA-256 checksum file beside it. Text
# files get Windows line ends.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(package_architecture win64)
else()
  set(package_architecture win32)
endif()

configure_file(${CMAKE_SOURCE_DIR}/packaging/LIESMICH.txt ${CMAKE_BINARY_DIR}/package/LIESMICH.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/package/LICENSE.txt @ONLY
               NEWLINE_STYLE CRLF)
# The settings keep their byte-order mark, so that every editor saves them as UTF-8.
configure_file(${CMAKE_SOURCE_DIR}/examples/einstellungen.ini
               ${CMAKE_BINARY_DIR}/package/einstellungen.ini @ONLY NEWLINE_STYLE CRLF)
foreach(template silent-install2.bat silent-uninstall.bat)
  configure_file(${CMAKE_SOURCE_DIR}/examples/${template} ${CMAKE_BINARY_DIR}/package/${template}
                 COPYONLY)
endforeach()

install(TARGETS mariadb-installer mariadb-kit RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/package/LIESMICH.txt ${CMAKE_BINARY_DIR}/package/LICENSE.txt
              ${CMAKE_BINARY_DIR}/package/silent-install2.bat
              ${CMAKE_BINARY_DIR}/package/silent-uninstall.bat
              ${CMAKE_BINARY_DIR}/package/einstellungen.ini
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${INSTALLER_DISPLAY_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${INSTALLER_DISPLAY_NAME}-${PROJECT_VERSION}-${package_architecture})
set(CPACK_INSTALLER_DISPLAY_NAME ${INSTALLER_DISPLAY_NAME})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/sign.cmake)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_SOURCE_DIR}/build/package)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES OFF)
include(CPack)
