# Read by cpack for each generator, after CPackConfig.cmake.
include(${CMAKE_CURRENT_LIST_DIR}/cpack_utf8.cmake)

# The Debian package lays the portable program folder out under /usr/lib/dexo and adds the
# package's own pieces (the "debian" component) under /usr.
if(CPACK_GENERATOR STREQUAL "DEB")
    # Each project's folder is put in front of the packaging prefix.
    set(CPACK_PACKAGING_INSTALL_PREFIX /)
    set(CPACK_INSTALL_CMAKE_PROJECTS
        "${CPACK_DEXO_DIR_COMPILACION};Dexo;Unspecified;/usr/lib/dexo"
        "${CPACK_DEXO_DIR_COMPILACION};Dexo;debian;/usr")
    set(CPACK_STRIP_FILES ON)
endif()
