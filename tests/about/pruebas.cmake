dexo_prueba(test_frminfo ENLACES dexo_about dexo_recursos FUENTES about/test_frminfo.cpp)
