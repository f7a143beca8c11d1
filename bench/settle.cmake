# What a settled game costs the window thread, and the time until it is synced on the disk, with
# 1, 500 and 100,000 games kept.
add_executable(bench_settle_cost settle_cost.cpp)
target_link_libraries(bench_settle_cost PRIVATE zelui)
