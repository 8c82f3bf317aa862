# The installed program folder: laid out by cmake --install into a temporary folder and run there.
if(UNIX AND NOT APPLE)
    dexo_prueba(test_carpeta_instalada ENLACES dexo_shared FUENTES paquete/test_carpeta_instalada.cpp)
    target_compile_definitions(test_carpeta_instalada PRIVATE
        DEXO_CMAKE="${CMAKE_COMMAND}" DEXO_DIR_COMPILACION="${CMAKE_BINARY_DIR}" DEXO_DIR_FUENTES="${CMAKE_SOURCE_DIR}")
    add_dependencies(test_carpeta_instalada Dexo Tradel dexo_sonido dexo_carpeta_programa)
endif()
