zel_add_test(tst_presentation SOURCES tst_presentation.cpp LABEL unit)
# The line table: cells, colours and the segments between the reel windows.
zel_add_test(tst_linetable SOURCES tst_linetable.cpp LABEL unit)
