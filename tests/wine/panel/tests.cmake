tessovant_add_wine_test(NAME wine.panel.contrast SCRIPT ${CMAKE_CURRENT_LIST_DIR}/run-contrast.sh
                        TIMEOUT 60)
