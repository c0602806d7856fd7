# Refuses every include that runs against the layer table (cmake/layers.cmake).
#
#   cmake -DROOT=<folder> [-DSTAMP=<file>] -P cmake/check_layers.cmake
#
# ROOT holds one folder per layer (src/). Every .h/.cpp under it is read; an
# include names a folder of ROOT by its first part ("session/session.h"), or
# a file beside the including one ("session.h", "../app/x.h"); anything else
# (Qt, the standard library) is not ours and passes. Each refused include is
# reported with its file, line, the include and the rule; then the script
# fails. On success it touches STAMP, if given.

cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/layers.cmake)

if(NOT DEFINED ROOT OR NOT IS_DIRECTORY "${ROOT}")
    message(FATAL_ERROR "check_layers: ROOT must name the folder to check")
endif()
get_filename_component(root "${ROOT}" REALPATH)
# Files are named from the checked folder on: src/app/main.cpp.
get_filename_component(shown_root "${root}" NAME)

function(allowed_text layer out)
    if(Q731_LAYER_${layer})
        string(REPLACE ";" ", " text "${Q731_LAYER_${layer}}")
        set(${out} "${layer} may include only itself and ${text}" PARENT_SCOPE)
    else()
        set(${out} "${layer} may include only itself" PARENT_SCOPE)
    endif()
endfunction()

# The line of `file` on which `include` stands (the first such line).
function(line_of file include out)
    file(READ "${file}" content)
    string(FIND "${content}" "${include}" position)
    set(line 0)
    if(position GREATER_EQUAL 0)
        string(SUBSTRING "${content}" 0 ${position} before)
        string(REGEX MATCHALL "\n" breaks "${before}")
        list(LENGTH breaks line)
    endif()
    math(EXPR line "${line} + 1")
    set(${out} ${line} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources LIST_DIRECTORIES false
     "${root}/*.h" "${root}/*.hpp" "${root}/*.cpp" "${root}/*.cc" "${root}/*.cxx")
list(SORT sources)

set(refusals "")
foreach(source IN LISTS sources)
    file(RELATIVE_PATH relative "${root}" "${source}")
    set(shown "${shown_root}/${relative}")
    string(FIND "${relative}" "/" slash)
    if(slash LESS 0)
        string(APPEND refusals "  ${shown}: a file outside every layer folder\n")
        continue()
    endif()
    string(SUBSTRING "${relative}" 0 ${slash} layer)
    if(NOT layer IN_LIST Q731_LAYERS)
        string(APPEND refusals
               "  ${shown}: the folder ${layer} has no row in the layer table "
               "(cmake/layers.cmake)\n")
        continue()
    endif()
    get_filename_component(directory "${source}" DIRECTORY)

    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]+[>\"]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1"
               included "${line}")
        # Beside the including file (also "../x/y.h"), or a folder of ROOT.
        set(target "")
        if(included MATCHES "^\\.\\.?/" OR EXISTS "${directory}/${included}")
            get_filename_component(resolved "${directory}/${included}" ABSOLUTE)
            file(RELATIVE_PATH target "${root}" "${resolved}")
            if(target MATCHES "^\\.\\./")
                line_of("${source}" "${included}" number)
                string(APPEND refusals "  ${shown}:${number}: includes \"${included}\", "
                                       "which lies outside ${shown_root}\n")
                continue()
            endif()
        else()
            # CMAKE_MATCH_1 is set only once MATCHES has run, so two steps.
            string(REGEX MATCH "^[^/]+/" first "${included}")
            if(NOT first OR NOT IS_DIRECTORY "${root}/${first}")
                continue()
            endif()
            set(target "${included}")
        endif()
        string(REGEX REPLACE "/.*$" "" used "${target}")
        if(used STREQUAL layer OR used IN_LIST Q731_LAYER_${layer})
            continue()
        endif()
        line_of("${source}" "${included}" number)
        allowed_text(${layer} rule)
        string(APPEND refusals
               "  ${shown}:${number}: includes \"${included}\" (${used}): ${rule}\n")
    endforeach()
endforeach()

if(refusals)
    message(FATAL_ERROR
            "Includes that run against the layers (cmake/layers.cmake):\n${refusals}")
endif()
if(DEFINED STAMP)
    file(TOUCH "${STAMP}")
endif()
