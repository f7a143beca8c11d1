# The game ended badly: the real game, played by a script (zelslots-played, the game's own start-up
# with a player and an end of the test's choosing), killed at random moments, left in the middle of
# a feature, started twice, and on a full disk.
add_executable(zelslots-played playedgame.cpp)
target_link_libraries(zelslots-played PRIVATE zelgame)
function(zel_add_ending_test name)
  zel_add_test(${name} SOURCES ${name}.cpp playedrun.h gamehome.h ${ARGN})
  target_compile_definitions(${name} PRIVATE ZEL_PLAYED_GAME="$<TARGET_FILE:zelslots-played>"
                             ZEL_GAME_BINARY="$<TARGET_FILE:zelslots>")
  add_dependencies(${name} zelslots-played zelslots)
endfunction()
# Two hundred kills of the played game over one player's store.
zel_add_ending_test(tst_gamekill LABEL store)
set_tests_properties(tst_gamekill PROPERTIES TIMEOUT 900)
# A feature left by the exit command, the close box, SIGTERM, SIGHUP and a kill plays on.
zel_add_ending_test(tst_leaving LABEL store)
# One game per store: a second start ends and shows the first, a killed game never blocks the next.
zel_add_ending_test(tst_twocopies LABEL store)
# A full disk under the settings and the history (a small file system the test mounts as root).
zel_add_test(tst_fulldisk SOURCES tst_fulldisk.cpp historyrig.h playerfixture.h LABEL store)
# What a kill, the exit in a feature or a store that is not as it should be must not cost.
zel_add_test(tst_nothinglost SOURCES tst_nothinglost.cpp playerfixture.h LABEL store)
