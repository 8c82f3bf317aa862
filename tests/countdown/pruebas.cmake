dexo_prueba(test_conteo countdown/test_conteo.cpp)
dexo_prueba(test_frmmain countdown/test_frmmain.cpp countdown/fixture_principal.h)
dexo_prueba(test_menu countdown/test_menu.cpp countdown/fixture_principal.h)
