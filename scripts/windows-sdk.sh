#!/usr/bin/env bash
# Makes the Qt for Windows that the Windows build uses, from Debian 12's own source packages, when
# no ready SDK archive is at hand (scripts/windows.sh calls it then). About half an hour on two
# cores. Usage: windows-sdk.sh <folder>
#   <folder>/qt6-mingw/   Qt 6.4.2 qtbase for x86_64-w64-mingw32 (Core, Gui, Widgets, Sql with
#                         SQLite, Test; the windows, offscreen and minimal platforms), shared,
#                         Release, with the image plugins of qt6-imageformats
#   <folder>/deps-mingw/  libjpeg-turbo and libtiff (shared), GoogleTest and GoogleMock (static)
# Qt's host tools (moc, rcc, uic) are Debian's own Qt 6.4.2, which must be the very same version.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
[ $# -eq 1 ] || {
    echo "usage: $0 <folder>" >&2
    exit 2
}
mkdir -p "$1"
out=$(cd "$1" && pwd)
work="$out/.work"
rm -rf "$work" "$out/qt6-mingw" "$out/deps-mingw"
mkdir -p "$work/src" "$work/build"

bash scripts/deps.sh windows

# apt-get source needs deb-src entries: a private apt configuration leaves the machine's alone.
mkdir -p "$work/apt/parts" "$work/apt/lists/partial"
sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    >"$work/apt/parts/debian-src.sources"
apt_private=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/parts"
    -o "Dir::State::Lists=$work/apt/lists")
apt-get "${apt_private[@]}" -qq update
(cd "$work/src" && apt-get "${apt_private[@]}" -qq source \
    qt6-base=6.4.2+dfsg-10 qt6-imageformats sqlite3=3.40.1-2 libjpeg-turbo=1:2.1.5-2 \
    tiff=4.5.0-6+deb12u4 googletest=1.12.1-0.2)
src() { find "$work/src" -maxdepth 1 -type d -name "$1-*" | head -n 1; }

toolchain=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW-w64.cmake"
    -DTAVLORA_WINDOWS_SDK="$out")
# cmake_build <source> <name> <prefix> <options>...
cmake_build() {
    local source=$1 name=$2 prefix=$3
    shift 3
    cmake -S "$source" -B "$work/build/$name" "${toolchain[@]}" -DCMAKE_INSTALL_PREFIX="$prefix" "$@"
    cmake --build "$work/build/$name" -j2
    cmake --install "$work/build/$name"
}

deps="$out/deps-mingw"
cmake_build "$(src libjpeg-turbo)" jpeg "$deps" -DENABLE_SHARED=ON -DENABLE_STATIC=OFF \
    -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
cmake_build "$(src tiff)" tiff "$deps" -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF \
    -Dtiff-docs=OFF -Dcxx=OFF -Djpeg=OFF -Dold-jpeg=OFF -Djbig=OFF -Dlerc=OFF -Dlzma=OFF \
    -Dzlib=OFF -Dlibdeflate=OFF -Dpixarlog=OFF -Dzstd=OFF -Dwebp=OFF
cmake_build "$(src googletest)" googletest "$deps" -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON

# Debian's +dfsg qtbase lacks the bundled SQLite: its amalgamation is made from the sqlite3 source.
sqlite=$(src sqlite3)
(cd "$sqlite" && ./configure --disable-tcl >/dev/null && make sqlite3.c >/dev/null)
qtbase=$(src qt6-base)
mkdir -p "$qtbase/src/3rdparty/sqlite"
cp "$sqlite/sqlite3.c" "$sqlite/sqlite3.h" "$sqlite/sqlite3ext.h" "$qtbase/src/3rdparty/sqlite/"

# With OpenGL off, dynamicgl must be off too or qwindowswindow.cpp does not compile. Direct2D is on
# because without it Qt compiles no DirectWrite font engine, and GDI then draws every text, also at
# 125 % and 150 %; its 1.1 level, which only the Direct2D platform plugin (not shipped) needs, is
# off. The +dfsg source also lacks wintab (so no tablet events).
cmake_build "$qtbase" qtbase "$out/qt6-mingw" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DQT_BUILD_BENCHMARKS=OFF -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_sql=ON -DFEATURE_testlib=ON \
    -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF \
    -DFEATURE_sql_sqlite=ON -DFEATURE_system_sqlite=OFF -DFEATURE_sql_odbc=OFF \
    -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF -DFEATURE_sql_ibase=OFF \
    -DFEATURE_sql_oci=OFF -DFEATURE_sql_db2=OFF -DFEATURE_sql_mimer=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
    -DFEATURE_accessibility=ON -DFEATURE_tabletevent=OFF -DFEATURE_windeployqt=OFF \
    -DFEATURE_androiddeployqt=OFF -DFEATURE_macdeployqt=OFF

# The TIFF, WebP, TGA, WBMP and ICNS plugins, each with the library its source bundles.
cmake_build "$(src qt6-imageformats)" imageformats "$out/qt6-mingw" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DFEATURE_system_tiff=OFF -DFEATURE_system_webp=OFF -DFEATURE_jasper=OFF -DFEATURE_mng=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF

rm -rf "$work"
touch "$out/.made-here"
echo "Qt for Windows made in $out"
