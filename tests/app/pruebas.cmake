dexo_prueba(test_lectorajustes ENLACES dexo_app FUENTES app/test_lectorajustes.cpp)
