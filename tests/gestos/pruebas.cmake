# The gestures of a user on the built program, on a real X server (Xvfb, xdotool, openbox); it
# skips itself (77) where Xvfb or xdotool is missing.
if(UNIX AND NOT APPLE)
    add_test(NAME test_gestos COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/gestos.sh $<TARGET_FILE:Dexo>)
    set_tests_properties(test_gestos PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
endif()
