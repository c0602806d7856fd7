# Runs lupdate over copies of the catalogues and fails when one of them has
# an unfinished entry (a text of the code nobody translated, or a new one)
# or an entry the code no longer has. The catalogues themselves are left as
# they are: `cmake --build build --target update_translations` updates them.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB catalogues ${CATALOGUES}/*.ts)
if(NOT catalogues)
    message(FATAL_ERROR "no catalogues in ${CATALOGUES}")
endif()
set(failed FALSE)
foreach(catalogue IN LISTS catalogues)
    get_filename_component(name ${catalogue} NAME)
    file(COPY ${catalogue} DESTINATION ${WORK})
    execute_process(COMMAND ${LUPDATE} -locations none
                            -tr-function-alias QT_TRANSLATE_NOOP+=Q731_TRANSLATE_NOOP ${SOURCES} -ts ${WORK}/${name}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${output}")
    endif()
    file(READ ${WORK}/${name} text)
    foreach(kind unfinished vanished obsolete)
        string(REGEX MATCHALL "<source>[^<]*(<byte[^>]*>[^<]*)*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"${kind}\""
               entries "${text}")
        list(LENGTH entries count)
        if(count GREATER 0)
            set(failed TRUE)
            message(SEND_ERROR "${name}: ${count} ${kind} entries:")
            foreach(entry IN LISTS entries)
                string(REGEX REPLACE "[ \n]*<translation.*" "" entry "${entry}")
                message("  ${entry}")
            endforeach()
        endif()
    endforeach()
endforeach()
if(failed)
    message(FATAL_ERROR "translations/ does not match the code: update it with the target "
                        "update_translations and finish every entry in Qt Linguist")
endif()
