# The win meter, the free-spin feature and the card gamble.
zel_add_test(tst_winmeter SOURCES tst_winmeter.cpp gamblerig.h LABEL unit)
zel_add_test(tst_freespins SOURCES tst_freespins.cpp gamblerig.h LABEL unit)
zel_add_test(tst_gamble SOURCES tst_gamble.cpp gamblerig.h LABEL unit)
zel_add_test(tst_gambletable SOURCES tst_gambletable.cpp gamblerig.h LABEL unit)
zel_add_test(tst_soak SOURCES tst_soak.cpp gamblerig.h LABEL unit)
