zel_add_test(tst_presentation SOURCES tst_presentation.cpp LABEL unit)
