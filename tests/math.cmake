# The machine's figures: one spin's evaluation, the exact figures and their Markov chain, the
# simulation through the handlers, the command line of zelslots-math, and the embedded table.
zel_add_test(tst_math SOURCES tst_math.cpp LABEL unit LIBS zelmath zelreturntable_rc)
target_compile_definitions(tst_math PRIVATE ZEL_MATH_TOOL="$<TARGET_FILE:zelslots-math>")
add_dependencies(tst_math zelslots-math)
# The tool's command line as a player or tester meets it.
zel_add_test(tst_mathcli SOURCES tst_mathcli.cpp LABEL unit LIBS zelmath zelreturntable_rc)
target_compile_definitions(tst_mathcli PRIVATE ZEL_MATH_TOOL="$<TARGET_FILE:zelslots-math>"
                           ZEL_PROJECT_VERSION="${PROJECT_VERSION}")
add_dependencies(tst_mathcli zelslots-math)
