# What tavlora.exe and its picture decoder tavlora-decode.exe need beside them on Windows, where no
# package manager brings it: the Qt libraries and plugins they load, the two picture libraries Qt's
# JPEG and TIFF plugins are linked with, and the MinGW-w64 runtime. The build copies them into the
# game's folder, so build/bin runs as it is, and the install puts them into the game's folder too.
get_target_property(tavlora_qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(tavlora_qt_bin ${tavlora_qt_core} DIRECTORY)
get_filename_component(tavlora_qt_plugins ${tavlora_qt_bin}/../plugins ABSOLUTE)

set(tavlora_runtime_dlls)
foreach(module Core Gui Widgets Sql)
    list(APPEND tavlora_runtime_dlls ${tavlora_qt_bin}/Qt6${module}.dll)
endforeach()
foreach(dll libjpeg-62.dll libtiff.dll)
    find_file(tavlora_${dll} ${dll} PATH_SUFFIXES bin REQUIRED NO_CACHE)
    list(APPEND tavlora_runtime_dlls ${tavlora_${dll}})
endforeach()
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "The MinGW-w64 runtime ${dll} is missing")
    endif()
    get_filename_component(path ${path} ABSOLUTE)
    list(APPEND tavlora_runtime_dlls ${path})
endforeach()

# Only the plugins a player's game loads: the offscreen and minimal platforms are for tests.
set(tavlora_runtime_plugins platforms/qwindows.dll sqldrivers/qsqlite.dll
    styles/qwindowsvistastyle.dll)
file(GLOB tavlora_image_plugins RELATIVE ${tavlora_qt_plugins} ${tavlora_qt_plugins}/imageformats/*.dll)
list(APPEND tavlora_runtime_plugins ${tavlora_image_plugins})

# tavlora_copy_windows_runtime(<target> <folder> [<plugin>...])
# A target that copies the runtime, and the extra plugins named, into <folder>, stripped of the
# debugging information they come with (MinGW's libstdc++ alone carries 20 MB of it): Windows finds
# a program's libraries beside it, and Qt its plugins in the program's folder.
function(tavlora_copy_windows_runtime target folder)
    set(copies)
    set(sources ${tavlora_runtime_dlls})
    foreach(plugin IN LISTS tavlora_runtime_plugins ARGN)
        list(APPEND sources ${tavlora_qt_plugins}/${plugin})
    endforeach()
    foreach(source IN LISTS sources)
        file(RELATIVE_PATH relative ${tavlora_qt_plugins} ${source})
        if(relative MATCHES "^\\.\\.")
            get_filename_component(relative ${source} NAME)
        endif()
        list(APPEND copies ${folder}/${relative})
        add_custom_command(OUTPUT ${folder}/${relative}
            COMMAND ${CMAKE_COMMAND} -E copy ${source} ${folder}/${relative}
            COMMAND ${CMAKE_STRIP} --strip-unneeded ${folder}/${relative}
            DEPENDS ${source} VERBATIM)
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${copies})
endfunction()

# The game's folder in the build, and the install from it.
tavlora_copy_windows_runtime(windows_runtime ${TAVLORA_BIN_DIR})
foreach(dll IN LISTS tavlora_runtime_dlls)
    get_filename_component(name ${dll} NAME)
    install(FILES ${TAVLORA_BIN_DIR}/${name} DESTINATION ${TAVLORA_INSTALL_DIR})
endforeach()
foreach(plugin IN LISTS tavlora_runtime_plugins)
    get_filename_component(folder ${plugin} DIRECTORY)
    install(FILES ${TAVLORA_BIN_DIR}/${plugin} DESTINATION ${TAVLORA_INSTALL_DIR}/${folder})
endforeach()
