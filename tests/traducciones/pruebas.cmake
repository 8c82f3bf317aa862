# The translation files are complete: no message of the sources unfinished or missing.
add_test(NAME traducciones_completas
    COMMAND ${CMAKE_COMMAND} -DLUPDATE=${DEXO_LUPDATE} -DFUENTES=${CMAKE_SOURCE_DIR}/src
            -DTS_DIR=${CMAKE_SOURCE_DIR}/assets/traducciones -DCOPIAS=${CMAKE_CURRENT_BINARY_DIR}/traducciones_ts
            -P ${CMAKE_CURRENT_SOURCE_DIR}/traducciones/comprobar_ts.cmake)
