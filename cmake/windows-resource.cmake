# The icon and version information of a Windows program: a resource made from
# packaging/windows/program.rc.in with the project's version, compiled by
# windres and linked into the program.
#   q731_add_windows_resource(TARGET "English description" "Chinese description")
function(q731_add_windows_resource target description_en description_zh)
    set(q731_rc_target ${target})
    set(q731_rc_file ${target}.exe)
    set(q731_rc_description_en ${description_en})
    set(q731_rc_description_zh ${description_zh})
    set(q731_rc_icon ${PROJECT_SOURCE_DIR}/packaging/windows/q731.ico)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    # windres reads the configured file, not the icon: a new icon relinks.
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${q731_rc_icon})
endfunction()
