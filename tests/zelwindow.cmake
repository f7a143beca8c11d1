zel_add_test(tst_zelwindow SOURCES tst_zelwindow.cpp LABEL ui LIBS zelui)
