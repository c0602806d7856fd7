# `make windows`: the portable folder q731-<version>-win64/ of both programs,
# its zip and the installer q731-<version>-setup.exe, all in the build folder.
# scripts/windows-package lays them out; what it takes from the build is
# written to windows-package.env here.
find_program(Q731_MAKENSIS makensis)
find_program(Q731_ZIP zip)
foreach(tool Q731_MAKENSIS Q731_ZIP)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} not found: install the Debian packages nsis and zip "
                            "(scripts/install-deps windows).")
    endif()
endforeach()

set(q731_package_name q731-${PROJECT_VERSION}-win64)
set(q731_package_folder ${CMAKE_BINARY_DIR}/${q731_package_name})
set(q731_package_zip ${CMAKE_BINARY_DIR}/${q731_package_name}.zip)
set(q731_package_setup ${CMAKE_BINARY_DIR}/q731-${PROJECT_VERSION}-setup.exe)
set(q731_package_env ${CMAKE_CURRENT_BINARY_DIR}/windows-package.env)
# The manual with its screenshots is made by a Linux build of the same
# sources (its read screenshots need a simulated radio on a pseudo-terminal);
# scripts/build-windows builds it first and names it here.
set(Q731_MANUAL_DIR "" CACHE PATH "The built manual (en/, zh_CN/) of a Linux build")
if(NOT EXISTS ${Q731_MANUAL_DIR}/en/index.html OR NOT EXISTS ${Q731_MANUAL_DIR}/zh_CN/index.html)
    message(FATAL_ERROR "Q731_MANUAL_DIR=\"${Q731_MANUAL_DIR}\" holds no built manual: "
                        "build the target manual of a Linux build and name its "
                        "src/app/manual (scripts/build-windows does both).")
endif()
set(q731_package_manual ${Q731_MANUAL_DIR})

# Where the DLLs the programs import may come from: Qt's bin/ and the
# compiler's runtime (cmake/wine.cmake found them). A DLL found in none of
# them must be part of Windows itself, or the layout stops.
list(JOIN q731_dll_dirs ":" q731_dll_path)
file(GENERATE OUTPUT ${q731_package_env} CONTENT "\
version='${PROJECT_VERSION}'
folder='${q731_package_folder}'
zip='${q731_package_zip}'
setup='${q731_package_setup}'
programs=('$<TARGET_FILE:q731>' '$<TARGET_FILE:q731-cli>')
plugins=('${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qwindows.dll' \
'${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/styles/qwindowsvistastyle.dll')
dll_path='${q731_dll_path}'
system_import_libraries='${CMAKE_FIND_ROOT_PATH}/lib'
qt_catalogue='${q731_qt_catalogue}'
manual='${q731_package_manual}'
objdump='${CMAKE_OBJDUMP}'
strip='${CMAKE_STRIP}'
makensis='${Q731_MAKENSIS}'
nsis_script='${CMAKE_CURRENT_SOURCE_DIR}/windows/q731.nsi'
icon='${PROJECT_SOURCE_DIR}/packaging/windows/q731.ico'
readme='${CMAKE_CURRENT_SOURCE_DIR}/windows/README.txt'
")

add_custom_command(
    OUTPUT ${q731_package_zip} ${q731_package_setup}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows-package ${q731_package_env}
    DEPENDS q731 q731-cli ${Q731_MANUAL_DIR}/en/index.html ${Q731_MANUAL_DIR}/zh_CN/index.html
            ${q731_package_env}
            ${PROJECT_SOURCE_DIR}/scripts/windows-package
            ${CMAKE_CURRENT_SOURCE_DIR}/windows/q731.nsi
            ${CMAKE_CURRENT_SOURCE_DIR}/windows/README.txt
            ${PROJECT_SOURCE_DIR}/packaging/windows/q731.ico
    COMMENT "Portable folder, zip and installer of version ${PROJECT_VERSION}"
    VERBATIM)
add_custom_target(windows-package ALL DEPENDS ${q731_package_zip} ${q731_package_setup})

# Installs the setup silently into the tests' Wine prefix, starts what it
# installed and uninstalls it again.
add_test(NAME packaging.installer
         COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/installer.sh ${CMAKE_BINARY_DIR}
                 ${q731_package_setup} ${PROJECT_VERSION})
set_tests_properties(packaging.installer PROPERTIES TIMEOUT 300 RUN_SERIAL ON)
