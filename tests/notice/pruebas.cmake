dexo_prueba(test_frmmsg notice/test_frmmsg.cpp)
