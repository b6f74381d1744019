# What `cmake --install` puts in place and `cpack -G DEB` packages: the program, the library,
# the C interface's header, a CMake package (find_package(sci2072) gives sci2072::sci2072), a
# pkg-config file, the Python package and the man page.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

target_include_directories(sci2072 INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
# The program finds the library beside it in any prefix (a temporary one, an unpacked package).
set_target_properties(sci2072_programme PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")

install(TARGETS sci2072 EXPORT sci2072Cibles
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_COMPONENT developpement)
install(TARGETS sci2072_programme RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES include/sci2072/sci2072.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/sci2072)
install(FILES docs/sci2072.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(SCI2072_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/sci2072)
install(EXPORT sci2072Cibles NAMESPACE sci2072:: FILE sci2072Targets.cmake DESTINATION ${SCI2072_CMAKE_DIR})
configure_package_config_file(cmake/sci2072Config.cmake.in ${PROJECT_BINARY_DIR}/sci2072Config.cmake
                              INSTALL_DESTINATION ${SCI2072_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/sci2072ConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/sci2072Config.cmake ${PROJECT_BINARY_DIR}/sci2072ConfigVersion.cmake
        DESTINATION ${SCI2072_CMAKE_DIR})

# The prefix relative to the file's own folder, so that the installed tree may move.
file(RELATIVE_PATH SCI2072_PC_PREFIXE ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" SCI2072_PC_PREFIXE "${SCI2072_PC_PREFIXE}")
configure_file(cmake/sci2072.pc.in ${PROJECT_BINARY_DIR}/sci2072.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/sci2072.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The Python package, with the library's place relative to its own, so that the installed
# tree may move (an unpacked package, a temporary prefix).
set(SCI2072_PYTHON_DIR lib/python3/dist-packages)
file(RELATIVE_PATH SCI2072_BIBLIOTHEQUE_RELATIVE ${CMAKE_INSTALL_PREFIX}/${SCI2072_PYTHON_DIR}/sci2072
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/libsci2072.so.${PROJECT_VERSION_MAJOR})
configure_file(python/bibliotheque.py.in ${PROJECT_BINARY_DIR}/python/_bibliotheque.py @ONLY)
install(FILES python/sci2072/__init__.py ${PROJECT_BINARY_DIR}/python/_bibliotheque.py
        DESTINATION ${SCI2072_PYTHON_DIR}/sci2072)

set(CPACK_PACKAGE_NAME sci2072)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Engine of the French return 2072 for property-holding civil companies")
set(CPACK_PACKAGE_DESCRIPTION
    "Computes, checks and converts 2072 declarations: a command-line program, a shared library with a C interface, and a Python package.")
set(CPACK_PACKAGE_CONTACT "sci2072 developers <sci2072@localhost>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3, chromium")
include(CPack)
