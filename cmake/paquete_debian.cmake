# The Debian package (cpack -G DEB): the program folder under /usr/lib/dexo, the commands dexo and
# tradel in /usr/bin, the menu entries and icons where desktops look for them, and the package's
# documents. These pieces are only installed into the package: a plain `cmake --install` still
# lays out the portable folder alone.
set(DEXO_MANTENEDOR "Dexo maintainers <maintainers@dexo.es>" CACHE STRING "Maintainer of the Debian package")
set(DEXO_LICENCIA "other" CACHE STRING "Licence short name in the Debian package's copyright file")
set(DEXO_LICENCIA_TEXTO "The authors have not published a licence for Dexo yet."
    CACHE STRING "Licence text in the Debian package's copyright file")

set(dexo_debian ${CMAKE_BINARY_DIR}/debian)
file(MAKE_DIRECTORY ${dexo_debian})
foreach(programa Dexo Tradel)
    string(TOLOWER ${programa} comando)
    # The menu entry of the package starts the command, not a path.
    file(READ ${CMAKE_SOURCE_DIR}/assets/programa/${programa}.desktop entrada)
    string(REPLACE "Exec=${programa}" "Exec=${comando}" entrada "${entrada}")
    file(CONFIGURE OUTPUT ${dexo_debian}/${programa}.desktop CONTENT "${entrada}" @ONLY)
    file(CREATE_LINK ../lib/dexo/${programa} ${dexo_debian}/${comando} SYMBOLIC)
    install(FILES ${dexo_debian}/${programa}.desktop DESTINATION share/applications
            COMPONENT debian EXCLUDE_FROM_ALL)
    install(FILES ${dexo_debian}/${comando} DESTINATION bin COMPONENT debian EXCLUDE_FROM_ALL)
    install(FILES ${CMAKE_SOURCE_DIR}/assets/programa/${comando}.svg DESTINATION share/icons/hicolor/scalable/apps
            COMPONENT debian EXCLUDE_FROM_ALL)
endforeach()

configure_file(${CMAKE_SOURCE_DIR}/assets/debian/copyright.in ${dexo_debian}/copyright @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/assets/debian/changelog.in ${dexo_debian}/changelog @ONLY)
# Debian wants the changelog compressed at the highest level, without a time stamp in it.
find_program(DEXO_GZIP gzip)
if(DEXO_GZIP)
    execute_process(COMMAND ${DEXO_GZIP} -9nf -k ${dexo_debian}/changelog)
endif()
install(FILES ${dexo_debian}/copyright ${dexo_debian}/changelog.gz DESTINATION share/doc/dexo
        COMPONENT debian EXCLUDE_FROM_ALL)

# Read by cmake/cpack_generador.cmake when the DEB generator runs.
set(CPACK_DEXO_DIR_COMPILACION ${CMAKE_BINARY_DIR})
set(CPACK_DEBIAN_PACKAGE_NAME dexo)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DEXO_MANTENEDOR}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${DEXO_WEB_INICIO}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; cpack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Dexo is a small borderless, translucent window that shows the whole days left
until a date you chose. On that day it gives the notice you set up: a message
with your event, a sound, a file or program opened, or any mix of the three.

Tradel, the second program, edits the language files of Dexo's interface.
Settings are kept per user in ~/.config/Dexo.")
