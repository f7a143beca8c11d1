# What a screen reader reads of the windows, offscreen (Qt's own accessibility interfaces).
zel_add_test(tst_accessibility SOURCES tst_accessibility.cpp windowrig.h historyrig.h gamblerig.h LABEL ui LIBS zelui)
