dexo_prueba(test_conteo ENLACES dexo_countdown FUENTES countdown/test_conteo.cpp)
dexo_prueba(test_frmmain ENLACES dexo_countdown dexo_recursos
            FUENTES countdown/test_frmmain.cpp countdown/fixture_principal.h)
dexo_prueba(test_menu ENLACES dexo_countdown dexo_recursos
            FUENTES countdown/test_menu.cpp countdown/fixture_principal.h)
if(UNIX)
    dexo_prueba(test_procesos ENLACES dexo_shared FUENTES countdown/test_procesos.cpp)
    target_compile_definitions(test_procesos PRIVATE DEXO_EJECUTABLE="$<TARGET_FILE:Dexo>")
    add_dependencies(test_procesos Dexo)
endif()
