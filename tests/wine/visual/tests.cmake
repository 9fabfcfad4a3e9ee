# Each check runs the real visual worker against the real window and reads
# the screen back.
foreach(check smooth discrete circles grid none teardown leaks)
  tessovant_add_wine_test(NAME wine.visual.${check} SCRIPT ${CMAKE_CURRENT_LIST_DIR}/run-check.sh
                          TIMEOUT 100 ARGS ${check})
endforeach()
