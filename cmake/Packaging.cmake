# The Debian package: `cpack -G DEB` in a build folder. Its maintainer
# scripts refresh the file-type and menu databases.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pictra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Photo albums with a Japanese interface")
set(CPACK_PACKAGE_DESCRIPTION "Pictra keeps photographs in albums of up to 1000 images, each with a date and four texts, and shows, edits, searches and prints them.")
set(CPACK_PACKAGE_CONTACT "Pictra developers <pictra@korvale.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "shared-mime-info, desktop-file-utils, xdg-utils, fonts-ipafont-gothic")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
foreach(script postinst postrm)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/deb/${script}.in ${CMAKE_BINARY_DIR}/deb/${script} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_BINARY_DIR}/deb/postinst;${CMAKE_BINARY_DIR}/deb/postrm")
include(CPack)
