dexo_prueba(test_tradel ENLACES dexo_langedit tradel_recursos
            FUENTES langedit/test_tradel.cpp langedit/fixture_tradel.h)
target_compile_definitions(test_tradel PRIVATE DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
if(UNIX)
    dexo_prueba(test_procesos_tradel ENLACES dexo_platform FUENTES langedit/test_procesos_tradel.cpp)
    target_compile_definitions(test_procesos_tradel PRIVATE DEXO_TRADEL="$<TARGET_FILE:Tradel>"
                               DEXO_DEXO="$<TARGET_FILE:Dexo>"
                               DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
    add_dependencies(test_procesos_tradel Tradel Dexo)
endif()
