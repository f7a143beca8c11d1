# CPU used while a win is presented (run on a display; bench/run-all.sh uses xvfb-run).
add_executable(bench_presentation_cpu presentation_cpu.cpp)
target_link_libraries(bench_presentation_cpu PRIVATE zelui)
