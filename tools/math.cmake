# zelslots-math: the machine's figures worked out exactly over every stop combination, and
# checked by play through the game's own handlers. zelmath holds everything but main() so
# the tests can call it directly.
file(GLOB zelmath_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/math/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/math/*.h)
list(REMOVE_ITEM zelmath_sources ${CMAKE_CURRENT_SOURCE_DIR}/math/main.cpp)
add_library(zelmath STATIC ${zelmath_sources})
target_include_directories(zelmath PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zelmath PUBLIC zelcore zelstore)
# The build itself runs the enumeration (the return table below) and the tests run it again:
# its loops are optimised in every build, sanitizers and all.
target_compile_options(zelmath PRIVATE $<$<NOT:$<CONFIG:Release,RelWithDebInfo,MinSizeRel>>:-O2>)

add_executable(zelslots-math math/main.cpp)
target_link_libraries(zelslots-math PRIVATE zelmath zelprograminfo)
install(TARGETS zelslots-math RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The return to player under the pay options: worked out exactly by the tool at build time
# (never at start-up) and embedded in the game as the resource :/zelslots/returntable.txt,
# which players/returntable.h reads. The table is worked out again when the reels, the pays,
# the free spins, the landing or the tool change.
set(returntable_dir ${CMAKE_CURRENT_BINARY_DIR}/returntable)
set(returntable_file ${returntable_dir}/returntable.txt)
set(returntable_rules
    ${PROJECT_SOURCE_DIR}/src/core/machine/reelstrips.h ${PROJECT_SOURCE_DIR}/src/core/machine/paytables.h
    ${PROJECT_SOURCE_DIR}/src/core/machine/reelstops.cpp ${PROJECT_SOURCE_DIR}/src/core/machine/evaluate.cpp
    ${PROJECT_SOURCE_DIR}/src/core/machine/freespins.cpp ${PROJECT_SOURCE_DIR}/src/core/machine/landing.cpp)
add_custom_command(OUTPUT ${returntable_file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${returntable_dir}
    COMMAND zelslots-math table --output ${returntable_file}
    DEPENDS ${zelmath_sources} ${CMAKE_CURRENT_SOURCE_DIR}/math/main.cpp ${returntable_rules}
    COMMENT "Working out the return to player of every pay setting"
    VERBATIM)
add_library(zelreturntable_rc STATIC)
qt_add_resources(zelreturntable_rc returntable PREFIX /zelslots BASE ${returntable_dir} FILES ${returntable_file})
# The game's windows show the table; link it wherever zelui goes.
target_link_libraries(zelui PUBLIC zelreturntable_rc)
