dexo_prueba(test_perfil ENLACES dexo_shared FUENTES shared/test_perfil.cpp)
# Every seed of the fuzzer is read as a settings file too.
target_compile_definitions(test_perfil PRIVATE DEXO_SEMILLAS="${CMAKE_SOURCE_DIR}/tests/fuzz/semillas")
dexo_prueba(test_codificacion ENLACES dexo_shared FUENTES shared/test_codificacion.cpp)
dexo_prueba(test_valores ENLACES dexo_shared FUENTES shared/test_valores.cpp)
dexo_prueba(test_idiomas ENLACES dexo_shared FUENTES shared/test_idiomas.cpp)
target_compile_definitions(test_idiomas PRIVATE DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas"
                           DEXO_CARPETA_PROGRAMA="${DEXO_CARPETA_PROGRAMA}")
add_dependencies(test_idiomas dexo_carpeta_programa)
if(UNIX)
    # The XDG folder and a folder that root cannot write (/proc); Windows has its own test.
    dexo_prueba(test_carpetas ENLACES dexo_shared FUENTES shared/test_carpetas.cpp)
endif()
if(WIN32)
    # Settings files on Windows: the user's folder, a file held open, drive letters and backslashes.
    dexo_prueba(test_archivos_windows ENLACES dexo_shared FUENTES shared/test_archivos_windows.cpp)
endif()
dexo_prueba(test_textoentero ENLACES dexo_shared FUENTES shared/test_textoentero.cpp)
