# Runs the generator into a scratch folder and fails unless it writes exactly
# the images committed next to the resource script.
#   cmake -DGENERATOR=... -DSOURCE_DIR=... -DOUTPUT_DIR=... -P CheckGenerated.cmake
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(MAKE_DIRECTORY ${OUTPUT_DIR})
execute_process(COMMAND ${GENERATOR} ${OUTPUT_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "generate-resources failed: ${status}")
endif()
foreach(name tessovant.ico panel-tile.bmp)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                  ${SOURCE_DIR}/${name} ${OUTPUT_DIR}/${name} RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${name} differs from what generate-resources makes; "
                        "regenerate it with: generate-resources ${SOURCE_DIR}")
  endif()
endforeach()
