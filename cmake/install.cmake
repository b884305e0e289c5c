# What `cmake --install` puts where, and the Debian package made of it (cpack -G DEB, see scripts/package).
# The installed tree holds no absolute path: every RPATH is relative to the file that carries it, and the
# application finds its plug-in relative to its own folder, so a tree moved elsewhere runs as it is.
file(RELATIVE_PATH zel_lib_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
file(RELATIVE_PATH zel_lib_from_plugin ${CMAKE_INSTALL_FULL_LIBDIR}/otn-client/plugins ${CMAKE_INSTALL_FULL_LIBDIR})
string(REGEX REPLACE "/$" "" zel_lib_from_plugin ${zel_lib_from_plugin})

set_target_properties(otn-client PROPERTIES INSTALL_RPATH "$ORIGIN/${zel_lib_from_bin}")
set_target_properties(zelCore zelOtnModel zelTpClientBase PROPERTIES INSTALL_RPATH "$ORIGIN")
set_target_properties(zelTpClientOtn PROPERTIES INSTALL_RPATH "$ORIGIN/${zel_lib_from_plugin}")

# The simulator and the application's window classes are static and live inside otn-client.
install(TARGETS otn-client RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS zelCore zelOtnModel zelTpClientBase LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS zelTpClientOtn LIBRARY DESTINATION ${ZEL_PLUGIN_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/otn-client.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/otn-client.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME otn-client)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "zelTpClientOtn developers")
set(CPACK_PACKAGE_CONTACT "zelTpClientOtn developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "OTN (ITU-T G.709) client of a portable transmission tester")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "otn-client runs the OTN plug-in zelTpClientOtn on an embedded simulated tester: it sets up the OTN signal "
    "and its multiplex structure, edits the transmitted overhead, shows alarms, captures, tributary scans and "
    "results, and inserts errors. Without a display it renders every screen to PNG files.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "zelTpClientOtn developers")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Dependencies are read from the binaries (dpkg-shlibdeps); the host libraries come with the package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
