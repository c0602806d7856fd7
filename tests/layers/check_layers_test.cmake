# The layer check itself: it must refuse each fixture tree that breaks a rule,
# naming the file, the line, the include and the rule, and nothing else of
# that tree; it must pass the allowed tree and the real src/.
#
#   cmake -DCHECKER=cmake/check_layers.cmake -DFIXTURES=tests/layers/fixtures
#         -DSRC=src -P tests/layers/check_layers_test.cmake

# expect(ROOT passed|refused [SAYS regex...] [NOT_ABOUT regex])
function(expect root outcome)
    cmake_parse_arguments(ARG "" "NOT_ABOUT" "SAYS" ${ARGN})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -DROOT=${root} -P ${CHECKER}
        RESULT_VARIABLE result
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    get_filename_component(name "${root}" NAME)
    if(outcome STREQUAL "refused" AND result EQUAL 0)
        message(SEND_ERROR "${name}: passed, but must be refused")
        return()
    endif()
    if(outcome STREQUAL "passed" AND NOT result EQUAL 0)
        message(SEND_ERROR "${name}: refused, but must pass:\n${output}")
        return()
    endif()
    foreach(pattern IN LISTS ARG_SAYS)
        if(NOT output MATCHES "${pattern}")
            message(SEND_ERROR "${name}: the output lacks \"${pattern}\":\n${output}")
            return()
        endif()
    endforeach()
    if(ARG_NOT_ABOUT AND output MATCHES "${ARG_NOT_ABOUT}")
        message(SEND_ERROR "${name}: the output names ${ARG_NOT_ABOUT}:\n${output}")
        return()
    endif()
    message(STATUS "${name}: ${outcome}, as it must be")
endfunction()

string(CONCAT upward "upward/image/records\\.h:6: includes \"session/session\\.h\" "
                     "\\(session\\): image may include only itself\n")
expect(${FIXTURES}/upward refused SAYS "${upward}" NOT_ABOUT "upward/session")

string(CONCAT relative "relative/files/file_commands\\.cpp:1: "
                       "includes \"\\.\\./app/main_window\\.h\" \\(app\\): "
                       "files may include only itself and image, session, ui\n")
expect(${FIXTURES}/relative refused SAYS "${relative}" NOT_ABOUT "relative/app")

expect(${FIXTURES}/unlisted refused
       SAYS "unlisted/tools/tool\\.cpp: the folder tools has no row in the layer table"
       NOT_ABOUT "unlisted/image")

string(CONCAT outside "outside/link/serial_link\\.cpp:1: includes \"\\.\\./\\.\\./elsewhere\\.h\", "
                      "which lies outside outside\n")
expect(${FIXTURES}/outside refused SAYS "${outside}")

expect(${FIXTURES}/allowed passed)
expect(${SRC} passed)
