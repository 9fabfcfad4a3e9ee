# tessovant_embed_manifest(TARGET FILE): the program's manifest, which its
# resource script embeds (RT_MANIFEST, id 1), checked to be well-formed XML
# before the program links: Windows refuses to start a program whose
# manifest it cannot parse, and says only that its configuration is wrong.
function(tessovant_embed_manifest target manifest)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest-checked)
  add_custom_command(OUTPUT ${stamp}
                     COMMAND python3 ${PROJECT_SOURCE_DIR}/cmake/check_manifest.py ${manifest} ${stamp}
                     DEPENDS ${manifest} ${PROJECT_SOURCE_DIR}/cmake/check_manifest.py
                     COMMENT "Checking ${manifest}")
  add_custom_target(${target}-manifest DEPENDS ${stamp})
  add_dependencies(${target} ${target}-manifest)
endfunction()
