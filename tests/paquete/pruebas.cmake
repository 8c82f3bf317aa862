# The installed program folder: laid out by cmake --install into a temporary folder and run there.
if(UNIX AND NOT APPLE)
    dexo_prueba(test_carpeta_instalada ENLACES dexo_shared FUENTES paquete/test_carpeta_instalada.cpp)
    target_compile_definitions(test_carpeta_instalada PRIVATE
        DEXO_CMAKE="${CMAKE_COMMAND}" DEXO_DIR_COMPILACION="${CMAKE_BINARY_DIR}" DEXO_DIR_FUENTES="${CMAKE_SOURCE_DIR}")
    add_dependencies(test_carpeta_instalada Dexo Tradel dexo_sonido dexo_carpeta_programa)
endif()

# The Debian package, made by cpack from this build and run unpacked, read-only.
find_program(DEXO_DPKG_DEB dpkg-deb)
if(DEXO_DPKG_DEB AND UNIX AND NOT APPLE)
    dexo_prueba(test_paquete_debian ENLACES dexo_shared FUENTES paquete/test_paquete_debian.cpp)
    target_compile_definitions(test_paquete_debian PRIVATE
        DEXO_CPACK="${CMAKE_CPACK_COMMAND}" DEXO_DIR_COMPILACION="${CMAKE_BINARY_DIR}")
    add_dependencies(test_paquete_debian Dexo Tradel dexo_sonido dexo_carpeta_programa)
    set_tests_properties(test_paquete_debian PROPERTIES TIMEOUT 600)
endif()
