dexo_prueba(test_perfil ENLACES dexo_shared FUENTES shared/test_perfil.cpp)
dexo_prueba(test_codificacion ENLACES dexo_shared FUENTES shared/test_codificacion.cpp)
dexo_prueba(test_valores ENLACES dexo_shared FUENTES shared/test_valores.cpp)
