# A save that meets a full disk leaves the old file whole and no other.
tessovant_add_wine_test(NAME wine.editor.save SCRIPT ${CMAKE_CURRENT_LIST_DIR}/save.sh TIMEOUT 60)
