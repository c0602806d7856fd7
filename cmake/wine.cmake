# A Windows build made on Linux runs its programs under Wine: ctest starts
# every test program through this launcher, in a Wine prefix of the build's
# own (so that what a test writes to the registry stays in the build folder),
# finding Qt's DLLs and the MinGW runtime through WINEPATH, without Wine's own
# debug output and without its offers to install Mono and Gecko.
find_program(Q731_WINE wine)
if(NOT Q731_WINE)
    set(Q731_WINE wine)
endif()

# The folders that hold the DLLs the programs load: Qt's bin/ and those of
# the compiler's runtime (libstdc++, libgcc_s, libwinpthread).
set(q731_dll_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
        message(FATAL_ERROR "The compiler's runtime ${dll} was not found.")
    endif()
    get_filename_component(dll_dir ${dll_path} DIRECTORY)
    get_filename_component(dll_dir ${dll_dir} REALPATH)
    list(APPEND q731_dll_dirs ${dll_dir})
endforeach()
list(REMOVE_DUPLICATES q731_dll_dirs)
set(q731_winepath "")
foreach(dir IN LISTS q731_dll_dirs)
    string(REPLACE "/" "\\" dir "Z:${dir}")
    string(APPEND q731_winepath "${q731_winepath_separator}${dir}")
    set(q731_winepath_separator ";")
endforeach()

# Wine keeps Linux variables named QT_* from Windows programs: the launcher
# passes them on under other names, and this small Windows program sets them
# back before it starts the test program.
add_executable(q731-wine-env ${PROJECT_SOURCE_DIR}/tests/wine/env_launcher.cpp)
set_target_properties(q731-wine-env PROPERTIES WIN32_EXECUTABLE OFF AUTOMOC OFF
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_options(q731-wine-env PRIVATE -municode)

# Qt's offscreen platform on Windows reads fonts from one folder only (Qt
# ships none): the folder fonts/ of the build, linked to the same Debian fonts
# the Linux tests use (Latin, the report's Chinese font, Noto CJK).
set(q731_fonts_dir ${CMAKE_BINARY_DIR}/fonts)
file(GLOB q731_fonts /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf
     /usr/share/fonts/truetype/wqy/wqy-microhei.ttc
     /usr/share/fonts/opentype/noto/NotoSansCJK-*.ttc)
if(NOT q731_fonts)
    message(WARNING "No fonts for the Windows tests: install fonts-dejavu-core, "
                    "fonts-wqy-microhei and fonts-noto-cjk.")
endif()
file(MAKE_DIRECTORY ${q731_fonts_dir})
foreach(font IN LISTS q731_fonts)
    get_filename_component(font_name ${font} NAME)
    file(CREATE_LINK ${font} ${q731_fonts_dir}/${font_name} SYMBOLIC)
endforeach()
string(REPLACE "/" "\\" q731_fonts_dir_windows "Z:${q731_fonts_dir}")

# The Qt for MinGW holds no translations; Qt's Chinese texts are the same
# catalogue as Debian's (qt6-translations-l10n), put in translations/ beside
# the programs, where they look first.
set(q731_qt_catalogue /usr/share/qt6/translations/qtbase_zh_CN.qm)
if(EXISTS ${q731_qt_catalogue})
    file(COPY ${q731_qt_catalogue} DESTINATION ${CMAKE_BINARY_DIR}/translations)
else()
    message(WARNING "${q731_qt_catalogue} is missing: install qt6-translations-l10n.")
endif()

set(Q731_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
set(q731_launcher ${CMAKE_BINARY_DIR}/wine-run)
file(CONFIGURE OUTPUT ${q731_launcher} @ONLY CONTENT [[
#!/bin/sh
# Runs a Windows program of this build under Wine (made by cmake/wine.cmake).
export WINEPREFIX='@Q731_WINEPREFIX@'
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
export WINEPATH='@q731_winepath@'
# Without a console window Qt Test writes its results to the debugger;
# this sends them (and Qt's warnings) to the output, as on Linux.
export Q731_WINE_QT_FORCE_STDERR_LOGGING=1
export Q731_WINE_QT_QPA_FONTDIR='@q731_fonts_dir_windows@'

for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export Q731_WINE_$name=\"\$$name\""
done
exec '@Q731_WINE@' '@CMAKE_BINARY_DIR@/q731-wine-env.exe' "$@"
]])
file(CHMOD ${q731_launcher} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
     GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${q731_launcher})

# A Chinese Linux locale in UTF-8 for the runs in the code page of a Chinese
# Windows: Wine takes the code page (936) from the locale's name and the
# encoding of file names from its character set, which only an existing
# locale gives (without one, Chinese file names cannot be made). Debian
# systems often have none generated, so the build makes its own (LOCPATH).
find_program(Q731_LOCALEDEF localedef)
set(Q731_CHINESE_LOCPATH ${CMAKE_BINARY_DIR}/locale)
if(Q731_LOCALEDEF AND NOT EXISTS ${Q731_CHINESE_LOCPATH}/zh_CN.UTF-8/LC_CTYPE)
    file(MAKE_DIRECTORY ${Q731_CHINESE_LOCPATH})
    execute_process(COMMAND ${Q731_LOCALEDEF} -i zh_CN -f UTF-8
                            ${Q731_CHINESE_LOCPATH}/zh_CN.UTF-8
                    OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT EXISTS ${Q731_CHINESE_LOCPATH}/zh_CN.UTF-8/LC_CTYPE)
    message(WARNING "No Chinese locale for the Windows tests in code page 936: "
                    "localedef -i zh_CN -f UTF-8 failed (install locales).")
    unset(Q731_CHINESE_LOCPATH)
endif()
