# CPU used by the sound output while idle and while landings play, into a private PulseAudio
# server with a null sink.
add_executable(bench_soundoutput_cpu soundoutput_cpu.cpp)
target_link_libraries(bench_soundoutput_cpu PRIVATE zelui zelaudiorig)
