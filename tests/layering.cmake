# The rules library includes Qt Core and its own headers only (the build checks it too), and the
# check itself catches a rules file that reaches further.
add_test(NAME core_includes_qt_core_only
  COMMAND ${CMAKE_COMMAND} -DCORE=${PROJECT_SOURCE_DIR}/src/core -DQTCORE=${ZEL_QTCORE_INCLUDE}
          -P ${PROJECT_SOURCE_DIR}/cmake/corelayering.cmake)
add_test(NAME core_layering_check_catches_a_reaching_include
  COMMAND ${CMAKE_COMMAND} -DCORE=${CMAKE_CURRENT_SOURCE_DIR}/data/reachingcore -DQTCORE=${ZEL_QTCORE_INCLUDE}
          -P ${PROJECT_SOURCE_DIR}/cmake/corelayering.cmake)
# Exactly the four reaching includes are named, and the check fails.
set_tests_properties(core_layering_check_catches_a_reaching_include PROPERTIES
  PASS_REGULAR_EXPRESSION "#include QPainter.*#include QtWidgets/QWidget.*#include AL/al.h.*#include ui/machine/zelwindow.h"
  FAIL_REGULAR_EXPRESSION "#include QString|#include QtCore/QList|#include vector|#include sys/types.h|#include core/")
set_tests_properties(core_includes_qt_core_only core_layering_check_catches_a_reaching_include PROPERTIES LABELS unit)
