dexo_prueba(test_tradel ENLACES dexo_langedit dexo_recursos_tradel
            FUENTES langedit/test_tradel.cpp langedit/fixture_tradel.h)
target_compile_definitions(test_tradel PRIVATE DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
