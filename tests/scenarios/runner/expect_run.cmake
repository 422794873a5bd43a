# Runs the scenario runner and checks what other tools rely on: the exit
# status, lines of the output, and that "N passed, M failed" is the very last
# line of standard output and standard error together.
#   -DRUNNER=path -DFILES=a.scn|b.scn -DSTATUS=0|1 -DLAST="N passed, M failed"
#   -DOUTPUT="regex that must match somewhere"
string(REPLACE "|" ";" files "${FILES}")
execute_process(
    COMMAND ${RUNNER} ${files}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output
)
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${output}")
endif()
if(NOT output MATCHES "(^|\n)${LAST}\n$")
    message(FATAL_ERROR "the last line is not \"${LAST}\"\n${output}")
endif()
if(DEFINED OUTPUT AND NOT output MATCHES "${OUTPUT}")
    message(FATAL_ERROR "no line matches \"${OUTPUT}\"\n${output}")
endif()
