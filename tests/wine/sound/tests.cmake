# The audio worker under Wine: bit-exact captures of every sound mode, the
# stop latency with a device, the end without one, the return to double
# buffering after a stall, the sound back on a new device after an outage, an
# old worker silent in a later exposure, a device kept while its notifications
# come late; and the build's render-sound against
# the host's.
set(sound_tests ${CMAKE_CURRENT_LIST_DIR})
# Mode and frequency: the default, both carrier multiples, and the noise
# spread at its smallest and largest.
foreach(case "0;780" "1;780" "2;1000" "3;4995" "4;15")
  list(GET case 0 mode)
  list(GET case 1 frequency)
  # The win64 build plays the mode that uses both the tones and the noise.
  set(twin "")
  if(mode EQUAL 4)
    set(twin WIN64)
  endif()
  tessovant_add_wine_test(NAME wine.sound.capture.mode${mode} SCRIPT ${sound_tests}/capture.sh
                          TIMEOUT 60 ARGS ${mode} ${frequency} ${twin})
endforeach()
tessovant_add_wine_test(NAME wine.sound.stop SCRIPT ${sound_tests}/stop.sh TIMEOUT 90)
tessovant_add_wine_test(NAME wine.sound.no_device SCRIPT ${sound_tests}/no_device.sh TIMEOUT 60)
tessovant_add_wine_test(NAME wine.sound.stall SCRIPT ${sound_tests}/stall.sh TIMEOUT 60)
tessovant_add_wine_test(NAME wine.sound.render_compare SCRIPT ${sound_tests}/render_compare.sh
                        TIMEOUT 120 WIN64)
tessovant_add_wine_test(NAME wine.sound.outage SCRIPT ${sound_tests}/outage.sh TIMEOUT 150)
tessovant_add_wine_test(NAME wine.sound.old_worker SCRIPT ${sound_tests}/old_worker.sh TIMEOUT 60)
tessovant_add_wine_test(NAME wine.sound.late_notices SCRIPT ${sound_tests}/late.sh TIMEOUT 90)
