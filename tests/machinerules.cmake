# The machine's rules: reels, pays, landing, credit controls, start-up, numbers and the generator.
zel_add_test(tst_reelwindow SOURCES tst_reelwindow.cpp LABEL unit)
zel_add_test(tst_linepays SOURCES tst_linepays.cpp LABEL unit)
zel_add_test(tst_paysetting SOURCES tst_paysetting.cpp LABEL unit)
