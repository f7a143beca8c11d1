# The game's accessible tree read from outside by a real client (AT-SPI through pyatspi) under
# Xvfb with a private session bus (needs xvfb, dbus, at-spi2-core and python3-pyatspi, which make
# installs).
add_test(NAME tst_atspiwalk COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/a11y.sh $<TARGET_FILE:zelslots>
                                      ${CMAKE_CURRENT_SOURCE_DIR}/a11ywalk.py)
set_tests_properties(tst_atspiwalk PROPERTIES LABELS a11y TIMEOUT 120)
