# The game as it installs: `cmake --install` into a scratch folder and the tree checked with the
# desktop's own validators, man, and the installed programs themselves.
zel_add_test(tst_installtree SOURCES tst_installtree.cpp LABEL install LIBS Qt6::Gui zelprograminfo)
target_include_directories(tst_installtree PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(tst_installtree PRIVATE ZEL_CMAKE="${CMAKE_COMMAND}" ZEL_BUILD_DIR="${PROJECT_BINARY_DIR}"
                           ZEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}" ZEL_PROJECT_VERSION="${PROJECT_VERSION}"
                           ZEL_GAMEDIR="${ZEL_INSTALL_GAMEDIR}" ZEL_BINDIR="${CMAKE_INSTALL_BINDIR}")
add_dependencies(tst_installtree zelslots zelslots-math zeldist)
