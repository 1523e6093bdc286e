# The Debian package: `cpack -G DEB` in a build folder. It holds what
# Debian's rules ask of a package: the machine-readable copyright file, the
# changelog, manual pages and stripped programs. Its maintainer scripts
# refresh the file-type and menu databases.
set(PICTRA_DEB_RELEASE 1)
set(PICTRA_DEB_VERSION ${PROJECT_VERSION}-${PICTRA_DEB_RELEASE})

# Compressed the way Debian wants (-9, no name or time stamp inside), so the
# package's bytes do not depend on when it was built.
find_program(PICTRA_GZIP gzip REQUIRED)
set(doc_dir ${CMAKE_BINARY_DIR}/deb/doc)
set(man_pages pictra pictra-cli pictra-thumbnailer)
set(man_files)
foreach(page ${man_pages})
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page}.1)
  set(packed ${doc_dir}/${page}.1.gz)
  add_custom_command(OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_dir}
    COMMAND sh -c "\"$0\" -9n -c \"$1\" > \"$2\"" ${PICTRA_GZIP} ${source} ${packed}
    DEPENDS ${source} COMMENT "Compressing the manual page ${page}.1" VERBATIM)
  list(APPEND man_files ${packed})
endforeach()

configure_file(${CMAKE_CURRENT_LIST_DIR}/deb/changelog.in ${doc_dir}/changelog.Debian @ONLY)
set(changelog ${doc_dir}/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND sh -c "\"$0\" -9n -c \"$1\" > \"$2\"" ${PICTRA_GZIP} ${doc_dir}/changelog.Debian ${changelog}
  DEPENDS ${doc_dir}/changelog.Debian COMMENT "Compressing the Debian changelog" VERBATIM)

set(copyright ${doc_dir}/copyright)
add_custom_command(OUTPUT ${copyright}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:pictra_make_dist> copyright ${copyright}
  DEPENDS pictra_make_dist COMMENT "Writing the copyright file")
add_custom_target(pictra_package_docs ALL DEPENDS ${man_files} ${changelog} ${copyright})

install(FILES ${man_files} DESTINATION share/man/man1)
install(FILES ${copyright} ${changelog} DESTINATION share/doc/pictra)
# Each tag lintian reports that is meant stays there with its reason.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/deb/lintian-overrides DESTINATION share/lintian/overrides RENAME pictra)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pictra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${PICTRA_DEB_RELEASE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo albums with a Japanese interface")
# Debian shows each line as it stands: no line over 79 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pictra keeps photographs in albums of up to 1000 images. Each image has a\n"
  "date, an author, a place, a summary and a memo, and the album embeds a\n"
  "reduced copy of it, so an album stays viewable when the originals move.\n"
  "\n"
  "Albums are shown as pages of thumbnails; pictures are shown enlarged,\n"
  "edited with image tools, searched for on disk and in albums, printed (one\n"
  "a sheet, contact sheets, posters and free layouts) and scanned from SANE\n"
  "scanners. It reads JPEG, PNG, GIF, WebP, HEIC/HEIF, AVIF, JPEG XL, BMP,\n"
  "TIFF, PSD and PCX files.\n"
  "\n"
  "The package also brings pictra-cli, which does the same jobs from\n"
  "scripts, and a thumbnailer that shows albums in file managers.")
set(CPACK_PACKAGE_CONTACT "Pictra developers <pictra@korvale.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "shared-mime-info, desktop-file-utils, xdg-utils, fonts-ipafont-gothic")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Symbols out of the programs; no debug package is made.
set(CPACK_STRIP_FILES ON)
foreach(script postinst postrm)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/deb/${script}.in ${CMAKE_BINARY_DIR}/deb/${script} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_BINARY_DIR}/deb/postinst;${CMAKE_BINARY_DIR}/deb/postrm")
include(CPack)
