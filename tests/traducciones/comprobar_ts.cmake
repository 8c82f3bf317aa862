# Every text of the sources that goes through tr() has a finished translation in every .ts file.
# lupdate runs over copies of the files, so a text added to the code and not to the files shows
# up as unfinished here, and the files in the repository stay untouched.
#   cmake -DLUPDATE=... -DFUENTES=<src> -DTS_DIR=<folder of the .ts> -DCOPIAS=<scratch folder> -P comprobar_ts.cmake
file(REMOVE_RECURSE ${COPIAS})
file(GLOB archivos ${TS_DIR}/*.ts)
if(NOT archivos)
    message(FATAL_ERROR "No .ts files in ${TS_DIR}")
endif()
file(COPY ${archivos} DESTINATION ${COPIAS})
file(GLOB copias ${COPIAS}/*.ts)
execute_process(COMMAND ${LUPDATE} -source-language es -no-obsolete -locations none -silent ${FUENTES} -ts ${copias}
                RESULT_VARIABLE resultado)
if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${resultado})")
endif()
set(faltan 0)
foreach(copia ${copias})
    file(READ ${copia} contenido)
    # A message without its translation: the source text is printed for the translator.
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation( type=\"unfinished\")?>(</translation>)?"
           sin_terminar "${contenido}")
    foreach(mensaje ${sin_terminar})
        if(mensaje MATCHES "unfinished|></translation>$")
            get_filename_component(nombre ${copia} NAME)
            string(REGEX REPLACE "</?source>|<translation.*" "" texto "${mensaje}")
            message(SEND_ERROR "${nombre}: not translated: ${texto}")
            math(EXPR faltan "${faltan} + 1")
        endif()
    endforeach()
endforeach()
if(faltan GREATER 0)
    message(FATAL_ERROR "${faltan} message(s) still to translate; run the actualizar_traducciones target and translate them")
endif()
