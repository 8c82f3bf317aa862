# Included by assets/CMakeLists.txt. The programs' texts beyond the language files are written in
# Spanish in the code and translated here (dexo_<code>.ts, edited with Qt Linguist or by hand).
# Every build compiles them with lrelease into resources of both programs; `cmake --build --preset dev --target actualizar_traducciones`
# brings them up to the sources with lupdate. Debian ships both tools in qt6-l10n-tools.
set(DEXO_CODIGOS_TRADUCCION en it fr pt)
set(DEXO_BINARIOS_QT ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
find_program(DEXO_LUPDATE lupdate HINTS ${DEXO_BINARIOS_QT} REQUIRED)
find_program(DEXO_LRELEASE lrelease HINTS ${DEXO_BINARIOS_QT} REQUIRED)

set(DEXO_TS)
set(DEXO_QM)
foreach(codigo ${DEXO_CODIGOS_TRADUCCION})
    set(ts ${CMAKE_CURRENT_SOURCE_DIR}/traducciones/dexo_${codigo}.ts)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/traducciones/dexo_${codigo}.qm)
    add_custom_command(OUTPUT ${qm} COMMAND ${DEXO_LRELEASE} -silent ${ts} -qm ${qm} DEPENDS ${ts} VERBATIM)
    list(APPEND DEXO_TS ${ts})
    list(APPEND DEXO_QM ${qm})
endforeach()
set_source_files_properties(${DEXO_QM} PROPERTIES GENERATED TRUE)
# An object library, archived into dexo_shared, whose translator loads them: whatever links
# dexo_shared gets the translations.
add_library(dexo_traducciones OBJECT)
target_link_libraries(dexo_traducciones PRIVATE Qt6::Core)
qt_add_resources(dexo_traducciones traducciones PREFIX /traducciones BASE ${CMAKE_CURRENT_BINARY_DIR}/traducciones
    FILES ${DEXO_QM})

# No locations in the files: a moved line of code changes no translation file.
set(DEXO_OPCIONES_LUPDATE -source-language es -no-obsolete -locations none -silent)
add_custom_target(actualizar_traducciones
    COMMAND ${DEXO_LUPDATE} ${DEXO_OPCIONES_LUPDATE} ${PROJECT_SOURCE_DIR}/src -ts ${DEXO_TS}
    COMMENT "Bringing the translations up to the sources (lupdate)"
    VERBATIM)

# Qt's own texts (its dialogs and standard buttons) for the five shipped languages; Qt's
# Portuguese is the Brazilian one. They go beside the programs; a missing one leaves Qt's English.
set(DEXO_QT_QM)
# The files are the same on every system: a Qt without them (the one for Windows) takes Debian's.
foreach(codigo es en it fr pt_BR)
    find_file(DEXO_QTBASE_${codigo} qtbase_${codigo}.qm
        HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS} /usr/share/qt6/translations
        NO_CACHE CMAKE_FIND_ROOT_PATH_BOTH)
    if(DEXO_QTBASE_${codigo})
        list(APPEND DEXO_QT_QM ${DEXO_QTBASE_${codigo}})
    else()
        message(WARNING "qtbase_${codigo}.qm not found (Debian: qt6-translations-l10n): Qt's dialogs stay in English there")
    endif()
endforeach()
if(DEXO_QT_QM)
    add_custom_command(TARGET dexo_carpeta_programa POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${DEXO_QT_QM} ${DEXO_CARPETA_PROGRAMA}/ VERBATIM)
    install(FILES ${DEXO_QT_QM} DESTINATION .)
endif()
# The Windows tests need them beside themselves too (tests/CMakeLists.txt).
set(DEXO_QT_QM ${DEXO_QT_QM} PARENT_SCOPE)
