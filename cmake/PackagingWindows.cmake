# The Windows packages, made by `cpack` in a cross build: an installer a player double-clicks
# (Tavlora-<version>-win64.exe, from our own template cmake/NSIS.template.in) and a portable ZIP of
# the same folder. Both hold the game's folder as `cmake --install` leaves it.
set(CPACK_PACKAGE_NAME Tavlora)
set(CPACK_PACKAGE_VENDOR "Tavlora Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A picture puzzle: restore a picture cut into 4 x 4 tiles")
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${CPACK_PACKAGE_NAME})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${CPACK_PACKAGE_NAME})
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_STRIP_FILES ON)
# The ZIP unpacks into one folder, Tavlora-<version>-win64, that runs where it lies.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

set(CPACK_NSIS_PACKAGE_NAME ${CPACK_PACKAGE_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${CPACK_PACKAGE_NAME})
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MUI_ICON ${TAVLORA_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${TAVLORA_WINDOWS_ICON})
set(CPACK_NSIS_TAVLORA_EXE tavlora.exe)
# NSIS's pages in every language the game speaks, and our own texts from the catalogues
# (desktop/installer-languages.nsh).
set(CPACK_NSIS_TAVLORA_LANGUAGES ${TAVLORA_INSTALLER_LANGUAGES})

# "Open with" for the picture types the loader takes, the same the desktop entry names on Linux.
set(tavlora_picture_types .bmp .dib .gif .jpg .jpeg .jpe .png .pbm .pgm .ppm .pnm .xbm .xpm .ico
    .webp .tif .tiff)
set(CPACK_NSIS_TAVLORA_OPEN_WITH "")
set(CPACK_NSIS_TAVLORA_FORGET_OPEN_WITH "")
foreach(type IN LISTS tavlora_picture_types)
    string(APPEND CPACK_NSIS_TAVLORA_OPEN_WITH "  !insertmacro OpenWith ${type}\n")
    string(APPEND CPACK_NSIS_TAVLORA_FORGET_OPEN_WITH "  !insertmacro ForgetOpenWith ${type}\n")
endforeach()

# The names the game keeps its settings and the player's own scores under, read from where the
# program has them, so that the uninstaller removes what the game wrote.
foreach(name Organization Application)
    file(STRINGS ${PROJECT_SOURCE_DIR}/platform/AppIdentity.h line
        REGEX "inline constexpr const char\\* k${name} = \"[^\"]+\";")
    string(REGEX REPLACE ".*= \"([^\"]+)\".*" "\\1" value "${line}")
    if(NOT value)
        message(FATAL_ERROR "No k${name} in platform/AppIdentity.h")
    endif()
    string(TOUPPER ${name} upper)
    set(CPACK_NSIS_TAVLORA_${upper} ${value})
endforeach()
