# What the player hears: a private PulseAudio server with a null sink, its monitor recorded
# (needs pulseaudio and pulseaudio-utils, which make installs).
add_library(zelaudiorig STATIC pulserig.cpp pulserig.h audibility.cpp audibility.h)
target_include_directories(zelaudiorig PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zelaudiorig PUBLIC zelchildprocess Qt6::Core)
zel_add_test(tst_soundoutput SOURCES tst_soundoutput.cpp LABEL audio LIBS zelui zelaudiorig)
# The clip decoder the sound output uses.
zel_add_test(tst_soundclips SOURCES tst_soundclips.cpp LABEL unit LIBS zelui)
# Without a PulseAudio server the sound goes to ALSA (a device of the test's own: a file).
zel_add_test(tst_alsaoutput SOURCES tst_alsaoutput.cpp LABEL audio LIBS zelui)
