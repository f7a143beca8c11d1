# The store's own parts: the settings file written and read, the writer thread, a failed write.
zel_add_test(tst_storefile SOURCES tst_storefile.cpp LABEL store)
# The play in progress kept with the record, and taken up again.
zel_add_test(tst_inplay SOURCES tst_inplay.cpp playerfixture.h historyrig.h LABEL store)
