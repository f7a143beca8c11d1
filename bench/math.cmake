# The machine's figures: the time zelslots-math takes to work them out exactly, the rate of
# its simulation through the handlers, and (with --crosscheck) the simulated return of each
# pay setting against the exact one.
add_executable(bench_math_figures math_figures.cpp)
target_link_libraries(bench_math_figures PRIVATE zelmath)
