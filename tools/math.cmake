# zelslots-math: the machine's figures worked out exactly over every stop combination, and
# checked by play through the game's own handlers. zelmath holds everything but main() so
# the tests can call it directly.
file(GLOB zelmath_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/math/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/math/*.h)
list(REMOVE_ITEM zelmath_sources ${CMAKE_CURRENT_SOURCE_DIR}/math/main.cpp)
add_library(zelmath STATIC ${zelmath_sources})
target_include_directories(zelmath PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zelmath PUBLIC zelcore)

add_executable(zelslots-math math/main.cpp)
target_link_libraries(zelslots-math PRIVATE zelmath)
