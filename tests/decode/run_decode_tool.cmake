# Runs rangedesk-decode over a captured session and compares its output line by line.
foreach(model 1 3)
    execute_process(COMMAND ${TOOL} --model ${model}
                    INPUT_FILE ${DATA}/model${model}.hex
                    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    file(READ ${DATA}/model${model}.expected expected)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
        message(FATAL_ERROR "model ${model}: exit ${rc}\n${err}\ngot:\n${out}\nexpected:\n${expected}")
    endif()
endforeach()
execute_process(COMMAND ${TOOL} --model 3 INPUT_FILE ${DATA}/bad.hex
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(rc EQUAL 0 OR NOT err MATCHES "line 1: not hexadecimal" OR NOT err MATCHES "line 2: 4 bytes")
    message(FATAL_ERROR "bad input: exit ${rc}, stderr:\n${err}")
endif()
