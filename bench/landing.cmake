# Wall time of the reel landing in the real window over the sum of its waits (run on a display).
add_executable(bench_landing_fidelity landing_fidelity.cpp)
target_link_libraries(bench_landing_fidelity PRIVATE zelui)
