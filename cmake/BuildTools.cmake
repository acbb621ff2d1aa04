# The programs that make the game's data at build time (the hand cursor, the empty score file, the
# stock pictures, the icons) make the same bytes for every target. A cross build can take them from
# a build for the build machine instead (TAVLORA_HOST_TOOLS, that build's folder), so the build never
# needs to run a program of the target; without it, the tools are built for the target and run
# through CMAKE_CROSSCOMPILING_EMULATOR.
set(TAVLORA_HOST_TOOLS "" CACHE PATH
    "Cross builds: a build folder for this machine whose build-time tools are used")

# tavlora_build_tool(<name> SOURCES <file>... [LIBRARIES <target>...])
# The tool lands in the current build folder, out of the game's folder.
function(tavlora_build_tool name)
    cmake_parse_arguments(PARSE_ARGV 1 tool "" "" "SOURCES;LIBRARIES")
    if(CMAKE_CROSSCOMPILING AND TAVLORA_HOST_TOOLS)
        file(RELATIVE_PATH folder ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR})
        set(program ${TAVLORA_HOST_TOOLS}/${folder}/${name})
        if(NOT EXISTS ${program})
            message(FATAL_ERROR "${program} is missing: build the target ${name} in "
                "${TAVLORA_HOST_TOOLS} first")
        endif()
        add_executable(${name} IMPORTED GLOBAL)
        set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${program})
        return()
    endif()
    add_executable(${name} ${tool_SOURCES})
    target_link_libraries(${name} PRIVATE ${tool_LIBRARIES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# Installs <file> into the game's folder unless a file of that name is there already: the score
# file and the hand cursor are the player's once installed. The Windows installer has a rule of its
# own for the two (cmake/NSIS.template.in), since it copies what the install step left in its
# empty staging folder.
function(tavlora_install_unless_present file)
    get_filename_component(name ${file} NAME)
    install(CODE "
        if(NOT EXISTS \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TAVLORA_INSTALL_DIR}/${name}\")
            file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${TAVLORA_INSTALL_DIR}\"
                TYPE FILE FILES \"${file}\")
        endif()
    ")
endfunction()
