# The main window and the real platform under it (offscreen).
zel_add_test(tst_zelwindow SOURCES tst_zelwindow.cpp LABEL ui LIBS zelui)
zel_add_test(tst_qtplatform SOURCES tst_qtplatform.cpp LABEL ui LIBS zelui)
# Input that arrives while the machine is busy, in the real window.
zel_add_test(tst_busyinput SOURCES tst_busyinput.cpp windowrig.h LABEL ui LIBS zelui)
# The real game ended by a signal from the desktop.
zel_add_test(tst_exitsignals SOURCES tst_exitsignals.cpp LABEL ui)
target_compile_definitions(tst_exitsignals PRIVATE ZEL_GAME_BINARY="$<TARGET_FILE:zelslots>")
add_dependencies(tst_exitsignals zelslots)
# The game's command line: help, version, and anything it does not know.
zel_add_test(tst_commandline SOURCES tst_commandline.cpp LABEL ui)
target_compile_definitions(tst_commandline PRIVATE ZEL_GAME_BINARY="$<TARGET_FILE:zelslots>"
                           ZEL_PROJECT_VERSION="${PROJECT_VERSION}")
add_dependencies(tst_commandline zelslots)
# What the machine's window shows at both scales: the free-spin banner, the gamble's pictures and
# the winning lines between the reels.
zel_add_test(tst_machinelook SOURCES tst_machinelook.cpp windowrig.h LABEL ui LIBS zelui)
# The machine played from the keyboard.
zel_add_test(tst_keyboard SOURCES tst_keyboard.cpp windowrig.h LABEL ui LIBS zelui)
# The machine at 200 %: pictures from their high-density copies, and a sharp grab of the reels.
zel_add_test(tst_highdensity SOURCES tst_highdensity.cpp windowrig.h LABEL ui LIBS zelui)
zel_add_test(tst_desktopkeys SOURCES tst_desktopkeys.cpp windowrig.h LABEL ui LIBS zelui zelprograminfo)
