# Player records in the settings store, the statistics, the options window's rules, the display
# check, the menus and the exit sequence; and the secondary windows on screen.
zel_add_test(tst_playerstore SOURCES tst_playerstore.cpp playerfixture.h LABEL store)
zel_add_test(tst_statistics SOURCES tst_statistics.cpp LABEL unit)
zel_add_test(tst_options SOURCES tst_options.cpp playerfixture.h LABEL store)
zel_add_test(tst_menus SOURCES tst_menus.cpp gamblerig.h LABEL unit)
zel_add_test(tst_secondarywindows SOURCES tst_secondarywindows.cpp LABEL ui LIBS zelui)
zel_add_test(tst_recordbook SOURCES tst_recordbook.cpp playerfixture.h LABEL store)
# Records written by a game killed at random moments, and the lock such a game leaves behind.
zel_add_test(tst_recordkill SOURCES tst_recordkill.cpp LABEL store)
