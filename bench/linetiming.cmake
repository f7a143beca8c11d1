# Time each winning line is on show in the real window (run on a display; bench/run-all.sh uses
# xvfb-run): the goal is the game's 1.5 s a line.
add_executable(bench_line_timing line_timing.cpp)
target_link_libraries(bench_line_timing PRIVATE zelui)
