# Headless spins per second through play_Click (build in the release preset).
add_executable(bench_spins_per_second spins_per_second.cpp)
target_link_libraries(bench_spins_per_second PRIVATE zelcore)
