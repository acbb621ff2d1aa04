# `cpack -G DEB` in the build folder makes tavlora_<version>_<arch>.deb: what
# `cmake --install --prefix /usr` puts there (the program folder in /usr/lib/tavlora, the desktop
# entry, icons, AppStream metadata and the manual page), but with the launcher where Debian keeps
# games, /usr/games/tavlora, which the desktop entry then names.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The install rules then see /usr as their prefix, as the desktop entry must, and write into the
# staging folder through DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A package is made for the Debian release it is built on: the names of Qt's libraries differ between
# releases (Debian 13 renamed them in its 64-bit time transition), so the release is part of the
# version, "1.0-1~deb12" or "1.0-1~deb13", and of the file's name. A later release's package
# upgrades an earlier one's. The package's changelog names the same version and release.
set(TAVLORA_DEBIAN_REVISION 1)
set(TAVLORA_DEBIAN_SUITE unstable)
if(EXISTS /etc/os-release)
    file(STRINGS /etc/os-release tavlora_os_id REGEX "^ID=")
    file(STRINGS /etc/os-release tavlora_os_version REGEX "^VERSION_ID=")
    file(STRINGS /etc/os-release tavlora_os_codename REGEX "^VERSION_CODENAME=")
    string(REGEX REPLACE "^VERSION_ID=\"?([0-9]+).*" "\\1" tavlora_os_version "${tavlora_os_version}")
    string(REGEX REPLACE "^VERSION_CODENAME=" "" tavlora_os_codename "${tavlora_os_codename}")
    if(tavlora_os_id STREQUAL "ID=debian" AND tavlora_os_version MATCHES "^[0-9]+$")
        set(TAVLORA_DEBIAN_REVISION "1~deb${tavlora_os_version}")
        set(TAVLORA_DEBIAN_SUITE "${tavlora_os_codename}")
    endif()
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE "${TAVLORA_DEBIAN_REVISION}")
set(TAVLORA_DEBIAN_VERSION "${PROJECT_VERSION}-${TAVLORA_DEBIAN_REVISION}")
# Everything but the launcher in bin/, in one package (desktop/CMakeLists.txt names them).
set(CPACK_COMPONENTS_ALL Unspecified debian_launcher)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The libraries the program links decide most dependencies. The fonts the window asks for, the
# decoders of the further picture formats and the driver of the score file are loaded at run time,
# so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-image-formats-plugins, libqt6sql6-sqlite")
# DejaVu Sans also writes Arabic, Persian and Hebrew. Chinese, Japanese and Korean need a face of
# their own: a desktop installed in one of them has Noto CJK (91 MB installed) already, and any other
# system gets WenQuanYi Micro Hei (5 MB installed, 1.6 MB to fetch), which covers all three.
# Qt's Wayland platform shows the game natively on a Wayland desktop, sharp on a scaled screen;
# without it the game runs there through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-wqy-microhei | fonts-noto-cjk, qt6-wayland")
# Folders as Debian expects them, whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
