# Windows on a real desktop: an X server of the test's own with the openbox window manager, read
# from the X server (needs xvfb, openbox and the X11 and XTest development files, which make installs).
find_package(X11 REQUIRED)
add_library(zeldesktoprig STATIC desktoprig.cpp desktoprig.h)
target_include_directories(zeldesktoprig PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zeldesktoprig PUBLIC zelchildprocess Qt6::Core X11::X11 X11::Xtst)
zel_add_test(tst_desktop SOURCES tst_desktop.cpp windowrig.h desktopgame.h LABEL wm LIBS zelui zeldesktoprig)
target_compile_definitions(tst_desktop PRIVATE ZEL_GAME_BINARY="$<TARGET_FILE:zelslots>")
add_dependencies(tst_desktop zelslots)
zel_add_test(tst_windowsize SOURCES tst_windowsize.cpp windowrig.h desktopgame.h LABEL wm LIBS zelui zeldesktoprig)
target_compile_definitions(tst_windowsize PRIVATE ZEL_GAME_BINARY="$<TARGET_FILE:zelslots>")
add_dependencies(tst_windowsize zelslots)
