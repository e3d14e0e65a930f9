# The Debian package (CPack's DEB generator): `cpack -G DEB` in the build tree, or scripts/package,
# which also checks it. Name, version and summary come from the top-level project().

# What Debian wants beside the program's files: a manual page, the copyright and the changelog
# of a native package, compressed the way Debian does (gzip -9n).
string(TOLOWER "${PROJECT_NAME}" package_name)
function(tavrino_gzipped template output)
  configure_file(${template} ${output} @ONLY)
  execute_process(COMMAND gzip -9nc ${CMAKE_CURRENT_BINARY_DIR}/${output}
                  OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${output}.gz COMMAND_ERROR_IS_FATAL ANY)
endfunction()
tavrino_gzipped(tavrino.1.in ${TAVRINO_EXECUTABLE}.1)
tavrino_gzipped(changelog.in changelog)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${TAVRINO_EXECUTABLE}.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package_name})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${package_name})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${TAVRINO_VENDOR})
set(CPACK_PACKAGE_CONTACT ${TAVRINO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Tavrino plays the videos of online video sites without their advertising:
copy a video page's address in any other program, click into Tavrino's
address box, and a video-parsing web service's page plays the video in
Tavrino's window.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries it links (GTK, WebKitGTK, ...) as dpkg-shlibdeps finds them, plus what it loads
# at run time: the media plugins for H.264/AAC and MSE video, a CJK font, TLS for GIO and its CA
# certificates, and the SVG loader for the theme's icons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(TAVRINO_RUNTIME_PACKAGES
    gstreamer1.0-libav gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-gl
    fonts-noto-cjk glib-networking ca-certificates librsvg2-common)
list(JOIN TAVRINO_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
include(CPack)
