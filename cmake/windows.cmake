# The Windows program folder, as a Windows user gets it from the zip: beside the two programs, the
# Qt libraries and plugins they load, the compiler's runtime, and the licences of what ships. The
# list is written out here, not gathered by a deployment tool; the test of the installed folder
# (tests/paquete) runs both programs from it alone and fails when something is missing.

# Qt's libraries: what Dexo, Tradel and the sound module link.
set(DEXO_QT_DLL Core Gui Widgets Svg Network Multimedia)
foreach(modulo ${DEXO_QT_DLL})
    install(FILES $<TARGET_FILE:Qt6::${modulo}> DESTINATION .)
endforeach()

# Qt's plugins, each in the folder of its kind: the Windows platform; the native look; SVG for
# the artwork and the window icons; JPG, GIF and ICO for the notice's own picture.
set(DEXO_QT_PLUGINS QWindowsIntegrationPlugin QWindowsVistaStylePlugin QSvgPlugin QSvgIconPlugin
    QJpegPlugin QGifPlugin QICOPlugin)
foreach(plugin ${DEXO_QT_PLUGINS})
    get_target_property(tipo Qt6::${plugin} QT_PLUGIN_TYPE)
    install(FILES $<TARGET_FILE:Qt6::${plugin}> DESTINATION ${tipo})
endforeach()

# The runtime of the GNU compiler, which the Qt libraries link as DLLs too. Debian ships it with
# its symbols (libstdc++ alone is 23 MB); the folder gets stripped copies.
set(DEXO_RUNTIME_MINGW)
if(MINGW)
    set(dexo_runtime_copias)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE ruta OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${ruta}" OR NOT EXISTS "${ruta}")
            message(FATAL_ERROR "${dll} not found beside ${CMAKE_CXX_COMPILER}")
        endif()
        get_filename_component(ruta "${ruta}" REALPATH)
        list(APPEND DEXO_RUNTIME_MINGW ${ruta})
        set(copia ${CMAKE_BINARY_DIR}/runtime/${dll})
        add_custom_command(OUTPUT ${copia}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/runtime
            COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${copia} ${ruta}
            DEPENDS ${ruta} VERBATIM)
        list(APPEND dexo_runtime_copias ${copia})
    endforeach()
    add_custom_target(dexo_runtime_mingw ALL DEPENDS ${dexo_runtime_copias})
    install(FILES ${dexo_runtime_copias} DESTINATION .)
endif()

# Licences of what ships beside our own programs, as Debian's packages of the same sources state
# them, with the full texts they refer to. Text files, so that Notepad opens them.
set(DEXO_LICENCIAS
    "/usr/share/doc/qt6-base-dev/copyright|Qt-base.txt"
    "/usr/share/doc/qt6-svg-dev/copyright|Qt-svg.txt"
    "/usr/share/doc/qt6-multimedia-dev/copyright|Qt-multimedia.txt"
    "/usr/share/common-licenses/LGPL-3|LGPL-3.txt"
    "/usr/share/common-licenses/GPL-3|GPL-3.txt"
    "/usr/share/common-licenses/GPL-2|GPL-2.txt")
if(MINGW)
    list(APPEND DEXO_LICENCIAS
        "/usr/share/doc/gcc-mingw-w64-base/copyright|MinGW-GCC.txt"
        "/usr/share/doc/mingw-w64-common/copyright|MinGW-w64.txt")
endif()
foreach(par ${DEXO_LICENCIAS})
    string(REPLACE "|" ";" par "${par}")
    list(GET par 0 origen)
    list(GET par 1 nombre)
    if(EXISTS ${origen})
        install(FILES ${origen} DESTINATION Licencias RENAME ${nombre})
    else()
        message(WARNING "${origen} not found: the zip goes without ${nombre}")
    endif()
endforeach()

if(CMAKE_CROSSCOMPILING)
    # Test programs run under Wine, with Qt's and the runtime's DLLs on Wine's search path (Qt finds
    # its plugins beside its own libraries).
    get_target_property(dexo_qtcore Qt6::Core IMPORTED_LOCATION_RELEASE)
    get_filename_component(dexo_qtbin "${dexo_qtcore}" DIRECTORY)
    set(dexo_dlls ${dexo_qtbin})
    foreach(ruta ${DEXO_RUNTIME_MINGW})
        get_filename_component(carpeta "${ruta}" DIRECTORY)
        list(APPEND dexo_dlls ${carpeta})
    endforeach()
    list(REMOVE_DUPLICATES dexo_dlls)
    string(REPLACE ";" ":" dexo_dlls "${dexo_dlls}")
    set(DEXO_WINEPREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "Wine prefix of the tests (made on first use)")
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-prueba.sh ${DEXO_WINEPREFIX} ${dexo_dlls})
endif()
