# The display kept on and the screen saver held off on every path of an
# exposure, and the countdown's end on the user-interface thread.
tessovant_add_wine_test(NAME wine.exposure.checks SCRIPT ${CMAKE_CURRENT_LIST_DIR}/checks.sh TIMEOUT 90)
# A session's light follows its sound from the first frame heard.
tessovant_add_wine_test(NAME wine.exposure.session_clock SCRIPT ${CMAKE_CURRENT_LIST_DIR}/session_clock.sh TIMEOUT 60)
