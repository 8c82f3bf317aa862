# Read by cpack as it starts. The archive writer converts file names through the current locale,
# and the C locale cannot hold the accent of Español.dxl: cpack would stop half-way with
# "Can't lstat". Stop at once and say what to do instead.
if(CMAKE_HOST_UNIX)
    set(dexo_locale "")
    foreach(variable LC_ALL LC_CTYPE LANG)
        if(NOT "$ENV{${variable}}" STREQUAL "")
            set(dexo_locale "$ENV{${variable}}")
            break()
        endif()
    endforeach()
    if(NOT dexo_locale MATCHES "[Uu][Tt][Ff]-?8")
        message(FATAL_ERROR "cpack needs a UTF-8 locale for the accented file names (Español.dxl); "
                            "the locale is \"${dexo_locale}\". Run it as: LC_ALL=C.UTF-8 cpack")
    endif()
endif()
