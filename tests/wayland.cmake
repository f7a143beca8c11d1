# The game on a Wayland desktop: sway headless (pixman renderer) as a user of the test's own, the
# game on Qt's Wayland plugin, a virtual pointer for the clicks, and the compositor's own view of
# the windows (needs sway, qt6-wayland and the Wayland client files, which make installs).
find_program(WAYLAND_SCANNER wayland-scanner)
# The protocol code wayland-scanner writes is C.
enable_language(C)
find_package(PkgConfig)
if(PkgConfig_FOUND)
  pkg_check_modules(WAYLAND_CLIENT IMPORTED_TARGET wayland-client)
endif()
if(NOT WAYLAND_SCANNER OR NOT WAYLAND_CLIENT_FOUND)
  message(STATUS "No Wayland client files: the wayland tests are left out")
  return()
endif()
set(ZEL_POINTER_XML ${CMAKE_CURRENT_SOURCE_DIR}/wayland/wlr-virtual-pointer-unstable-v1.xml)
set(ZEL_POINTER_GEN ${CMAKE_CURRENT_BINARY_DIR}/wayland)
add_custom_command(
  OUTPUT ${ZEL_POINTER_GEN}/wlr-virtual-pointer-unstable-v1-client-protocol.h
         ${ZEL_POINTER_GEN}/wlr-virtual-pointer-unstable-v1-protocol.c
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEL_POINTER_GEN}
  COMMAND ${WAYLAND_SCANNER} client-header ${ZEL_POINTER_XML} ${ZEL_POINTER_GEN}/wlr-virtual-pointer-unstable-v1-client-protocol.h
  COMMAND ${WAYLAND_SCANNER} private-code ${ZEL_POINTER_XML} ${ZEL_POINTER_GEN}/wlr-virtual-pointer-unstable-v1-protocol.c
  DEPENDS ${ZEL_POINTER_XML}
  COMMENT "Generating the virtual pointer's protocol")
add_executable(zel-wlpointer wayland/wlpointer.cpp ${ZEL_POINTER_GEN}/wlr-virtual-pointer-unstable-v1-protocol.c
               ${ZEL_POINTER_GEN}/wlr-virtual-pointer-unstable-v1-client-protocol.h)
target_include_directories(zel-wlpointer PRIVATE ${ZEL_POINTER_GEN})
target_link_libraries(zel-wlpointer PRIVATE PkgConfig::WAYLAND_CLIENT)
add_executable(zelslots-wayland wayland/waylandgame.cpp)
target_link_libraries(zelslots-wayland PRIVATE zelgame)
add_library(zelwaylandrig STATIC waylandrig.cpp waylandrig.h)
target_include_directories(zelwaylandrig PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zelwaylandrig PUBLIC zelchildprocess Qt6::Core Qt6::Test)
zel_add_test(tst_wayland SOURCES tst_wayland.cpp LABEL wayland LIBS zelwaylandrig)
target_compile_definitions(tst_wayland PRIVATE ZEL_WAYLAND_GAME="$<TARGET_FILE:zelslots-wayland>"
                           ZEL_POINTER="$<TARGET_FILE:zel-wlpointer>")
add_dependencies(tst_wayland zelslots-wayland zel-wlpointer)
