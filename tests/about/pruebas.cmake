dexo_prueba(test_frminfo about/test_frminfo.cpp)
