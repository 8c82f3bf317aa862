# The notice is opened the way the program opens it: from the main window's menu.
dexo_prueba(test_frmmsg ENLACES dexo_countdown dexo_recursos FUENTES notice/test_frmmsg.cpp)
