# Each check runs the real visual worker against the real window and reads
# the screen back, or watches what it asks of the timer service; "large" runs
# the tick on surfaces of large screens and compares them with frames of whole
# figures.
foreach(check smooth discrete circles grid none teardown leaks periods large)
  # The win64 build draws one pattern too.
  set(twin "")
  if(check STREQUAL "grid")
    set(twin WIN64)
  endif()
  tessovant_add_wine_test(NAME wine.visual.${check} SCRIPT ${CMAKE_CURRENT_LIST_DIR}/run-check.sh
                          TIMEOUT 100 ARGS ${check} ${twin})
endforeach()
