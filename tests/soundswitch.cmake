# The player's sound switch on the menu bar and in the settings store (offscreen window).
zel_add_test(tst_soundswitch SOURCES tst_soundswitch.cpp LABEL ui LIBS zelui)
