# The machine's rules: reels, pays, landing, credit controls, start-up, numbers and the generator.
zel_add_test(tst_reelwindow SOURCES tst_reelwindow.cpp LABEL unit)
zel_add_test(tst_linepays SOURCES tst_linepays.cpp LABEL unit)
zel_add_test(tst_paysetting SOURCES tst_paysetting.cpp LABEL unit)
zel_add_test(tst_landing SOURCES tst_landing.cpp LABEL unit)
zel_add_test(tst_creditcontrols SOURCES tst_creditcontrols.cpp LABEL unit)
zel_add_test(tst_startup SOURCES tst_startup.cpp LABEL store)
zel_add_test(tst_numeric SOURCES tst_numeric.cpp LABEL unit)
zel_add_test(tst_gamerandom SOURCES tst_gamerandom.cpp LABEL unit)
# The one rule for input that arrives while a handler runs.
zel_add_test(tst_inputrule SOURCES tst_inputrule.cpp gamblerig.h LABEL unit)
# Random input at every moment, over many seeds (ZEL_STORM_SEEDS; the benchmarks run them all).
zel_add_test(tst_eventstorm SOURCES tst_eventstorm.cpp stormrig.cpp stormrig.h LABEL unit)
