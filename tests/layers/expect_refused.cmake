# Shared by the checks of the build's rules: each "file|line" case is written
# into a tree made by the caller's make_tree(dir file line), and the check
# (the caller's script, run again with MODE=one on that tree) must refuse it
# with an error matching `message`.
function(qv_expect_each_refused script work message)
  foreach(bad ${ARGN})
    string(REPLACE "|" ";" parts "${bad}")
    list(GET parts 0 file)
    list(GET parts 1 line)
    cmake_language(CALL make_tree ${work}/bad "${file}" "${line}")
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SOURCE} -DMODE=one -DTREE=${work}/bad
                    -P ${script} RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
    if(result EQUAL 0 OR NOT error MATCHES "${message}")
      message(FATAL_ERROR "not refused: ${line} in ${file}")
    endif()
  endforeach()
endfunction()
