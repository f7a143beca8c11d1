# The game history: records, files, damage, and the window that shows them.
zel_add_test(tst_history SOURCES tst_history.cpp historyrig.h gamblerig.h playerfixture.h LABEL store)
zel_add_test(tst_historykill SOURCES tst_historykill.cpp LABEL store)
zel_add_test(tst_historywindow SOURCES tst_historywindow.cpp historyrig.h LABEL ui LIBS zelui)
