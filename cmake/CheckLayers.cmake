# Dependencies point inward. Each library may link only what its folder's rule allows; configuring
# fails on the first library that links anything else, so a shortcut through the layers is caught
# before it is compiled.
set(tavlora_layer_rules
    "tavlora_platform_core="
    "tavlora_platform_images=tavlora_platform_core,Qt6::Core"
    "tavlora_platform=tavlora_platform_core,tavlora_platform_images,Qt6::Widgets,PkgConfig::XCB,Threads::Threads,tavlora_wayland_protocols,PkgConfig::WAYLAND_CLIENT,shell32"
    "tavlora_board=tavlora_platform_core"
    "tavlora_shell=tavlora_platform,Qt6::Widgets"
    "tavlora_scores=tavlora_platform_core,Qt6::Core,Qt6::Sql"
    "tavlora_decode_protocol=Qt6::Core"
    "tavlora_decoder=tavlora_decode_protocol,tavlora_platform_images,Qt6::Gui"
    "tavlora-decode=tavlora_decoder"
    "tavlora_pictures=tavlora_platform_core,tavlora_platform_images,tavlora_decode_protocol,Qt6::Gui"
    "tavlora_boardview=tavlora_board,tavlora_platform,Qt6::Widgets")

function(tavlora_check_layers)
    foreach(rule IN LISTS tavlora_layer_rules)
        string(REPLACE "=" ";" fields "${rule}")
        list(GET fields 0 target)
        list(LENGTH fields count)
        set(allowed "")
        if(count GREATER 1)
            list(GET fields 1 allowed)
            string(REPLACE "," ";" allowed "${allowed}")
        endif()
        get_target_property(linked ${target} LINK_LIBRARIES)
        if(NOT linked)
            set(linked "")
        endif()
        foreach(library IN LISTS linked)
            if(NOT library IN_LIST allowed)
                message(FATAL_ERROR "${target} links ${library}; its layer allows only: ${allowed}")
            endif()
        endforeach()
    endforeach()
endfunction()
