dexo_prueba(test_conteo ENLACES dexo_countdown FUENTES countdown/test_conteo.cpp)
dexo_prueba(test_frmmain ENLACES dexo_countdown dexo_recursos dexo_traducciones
            FUENTES countdown/test_frmmain.cpp countdown/fixture_principal.h)
dexo_prueba(test_menu ENLACES dexo_countdown dexo_recursos
            FUENTES countdown/test_menu.cpp countdown/fixture_principal.h)
dexo_prueba(test_menu_idioma ENLACES dexo_countdown dexo_recursos
            FUENTES countdown/test_menu_idioma.cpp countdown/fixture_principal.h)
dexo_prueba(test_arranque ENLACES dexo_countdown dexo_recursos
            FUENTES countdown/test_arranque.cpp countdown/fixture_principal.h)
# The fixture lays the shipped language files into its program folder.
foreach(prueba test_frmmain test_menu test_menu_idioma test_arranque)
    target_compile_definitions(${prueba} PRIVATE DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
endforeach()
if(UNIX)
    dexo_prueba(test_procesos ENLACES dexo_shared FUENTES countdown/test_procesos.cpp)
    target_compile_definitions(test_procesos PRIVATE DEXO_EJECUTABLE="$<TARGET_FILE:Dexo>"
                               DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
    add_dependencies(test_procesos Dexo)
endif()
if(UNIX)
    # Dexo inside a real Wayland session (weston, headless, with Xwayland); skips without weston.
    dexo_prueba(test_procesos_wayland ENLACES dexo_shared FUENTES countdown/test_procesos_wayland.cpp)
    target_compile_definitions(test_procesos_wayland PRIVATE DEXO_EJECUTABLE="$<TARGET_FILE:Dexo>"
                               DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
    add_dependencies(test_procesos_wayland Dexo)
endif()
# The same program at three scale factors.
dexo_prueba(test_escala ENLACES dexo_countdown dexo_recursos
            FUENTES countdown/test_escala.cpp countdown/fixture_principal.h)
target_compile_definitions(test_escala PRIVATE DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
get_test_property(test_escala ENVIRONMENT DEXO_ENTORNO_ESCALA)
set_tests_properties(test_escala PROPERTIES ENVIRONMENT "${DEXO_ENTORNO_ESCALA};QT_SCALE_FACTOR=2")
foreach(escala 1.25 1.5)
    add_test(NAME test_escala_${escala} COMMAND test_escala)
    set_tests_properties(test_escala_${escala} PROPERTIES ENVIRONMENT "${DEXO_ENTORNO_ESCALA};QT_SCALE_FACTOR=${escala}")
endforeach()
