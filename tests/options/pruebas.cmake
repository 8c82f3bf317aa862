# The options dialog, driven as a user would: clicks, keys, and the fake platform's answers.
dexo_prueba(test_opcfecha ENLACES dexo_options dexo_recursos
            FUENTES options/test_opcfecha.cpp options/fixture_opciones.h)
dexo_prueba(test_opcaviso ENLACES dexo_options dexo_recursos
            FUENTES options/test_opcaviso.cpp options/fixture_opciones.h)
dexo_prueba(test_opcapariencia ENLACES dexo_options dexo_recursos
            FUENTES options/test_opcapariencia.cpp options/fixture_opciones.h)
dexo_prueba(test_opcguardar ENLACES dexo_countdown dexo_recursos
            FUENTES options/test_opcguardar.cpp options/fixture_opciones.h)
dexo_prueba(test_dlgfuentecolor ENLACES dexo_platform FUENTES options/test_dlgfuentecolor.cpp)
# The shipped language files, to check that their texts fit the dialog.
target_compile_definitions(test_opcguardar PRIVATE DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
target_compile_definitions(test_opcapariencia PRIVATE DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
# Qt's texts and the programs' own texts in the chosen language, in the options dialog and Tradel.
dexo_prueba(test_traducciones ENLACES dexo_options dexo_langedit dexo_recursos dexo_traducciones
            FUENTES options/test_traducciones.cpp options/fixture_opciones.h langedit/fixture_tradel.h)
target_compile_definitions(test_traducciones PRIVATE DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
target_include_directories(test_traducciones PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/langedit)
# Every window on a 1280 x 800 screen, at each scale factor a user may choose.
dexo_prueba(test_pantalla ENLACES dexo_options dexo_about dexo_notice dexo_langedit dexo_recursos tradel_recursos
            FUENTES options/test_pantalla.cpp)
target_compile_definitions(test_pantalla PRIVATE DEXO_IDIOMAS_FUENTE="${CMAKE_SOURCE_DIR}/assets/idiomas")
target_include_directories(test_pantalla PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/langedit)
get_test_property(test_pantalla ENVIRONMENT DEXO_ENTORNO_PANTALLA)
string(REPLACE "QT_QPA_PLATFORM=offscreen" "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/options/pantalla_1280x800.json"
       DEXO_ENTORNO_PANTALLA "${DEXO_ENTORNO_PANTALLA}")
set_tests_properties(test_pantalla PROPERTIES ENVIRONMENT "${DEXO_ENTORNO_PANTALLA};QT_SCALE_FACTOR=1")
foreach(escala 1.25 1.5 2)
    add_test(NAME test_pantalla_${escala} COMMAND test_pantalla)
    set_tests_properties(test_pantalla_${escala} PROPERTIES ENVIRONMENT "${DEXO_ENTORNO_PANTALLA};QT_SCALE_FACTOR=${escala}")
endforeach()
