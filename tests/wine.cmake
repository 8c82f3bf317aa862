# The Windows build's tests run under Wine (tools/wine-prueba.sh, CTest's emulator).

# Qt for Windows looks for its own translations beside the program and nowhere else: the test
# programs get the ones that the program folder carries.
if(DEXO_QT_QM)
    add_custom_target(dexo_qt_qm_pruebas ALL
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${DEXO_QT_QM} ${CMAKE_BINARY_DIR}/tests/ VERBATIM)
endif()

# Cases that cannot hold on Windows or under Wine, skipped there by name with the reason; the
# runner leaves them out and names them in the report.
function(dexo_omitir_en_wine prueba caso motivo)
    set_property(TEST ${prueba} APPEND PROPERTY ENVIRONMENT "DEXO_OMITIR_${caso}=${motivo}")
endfunction()

dexo_omitir_en_wine(test_perfil mismoValorEnCarpetaDeSoloLectura
    "Windows ignores the read-only attribute of a folder, the only one Qt can set")

# The program folder that the zip holds, run from where it was installed, alone; the launcher
# gives Dexo a console the way cmd does on Windows.
add_executable(lanzador_consola paquete/lanzador_consola.cpp)
target_link_options(lanzador_consola PRIVATE -municode -static)
set_target_properties(lanzador_consola PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_test(NAME carpeta_windows COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/paquete/carpeta_windows.sh
         ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/wine-carpeta ${CMAKE_OBJDUMP}
         $<TARGET_FILE:lanzador_consola>)
set_tests_properties(carpeta_windows PROPERTIES TIMEOUT 300)
