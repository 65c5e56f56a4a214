#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the whole build into a temporary prefix, as a user or a packager would, and
# checks the tree: every program runs from it without a display, the library carries its
# SONAME, manual pages, desktop entries, icons and AppStream data are there and valid, the
# pkg-config file builds a host program, the installed control starts the installed
# simulator, and that simulator keeps its settings in the user's config folder.
#
# install_tree_test.sh BUILD_DIR SOURCE_DIR [EXTRA_FLAGS]
set -euo pipefail

build=$1
source=$2
extra_flags=${3:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/install-tree.XXXXXX")
prefix=$work/prefix
simulator_pid=""

cleanup() {
    [[ -n $simulator_pid ]] && kill "$simulator_pid" 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect_file() { [[ -f $prefix/$1 ]] || fail "not installed: $1"; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log"

libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
configured_prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
programs=(marquee orvexsim orvexsim-render legendo marquee-settings)

# A RUNPATH where the loader would not find the library by itself, and only there; where
# there is none, the programs run from this temporary prefix find the library by
# LD_LIBRARY_PATH, as they would find it in the system's own folder.
case $configured_prefix in
    /usr | /) wanted_runpath="" library_path=$prefix/$libdir ;;
    *) wanted_runpath="\$ORIGIN/../$libdir" library_path="" ;;
esac

# The programs, each with its manual page, and what they answer without a display.
for program in "${programs[@]}"; do
    [[ -x $prefix/bin/$program ]] || fail "program not installed: bin/$program"
    page=$prefix/share/man/man1/$program.1
    if [[ ! -f $page ]]; then
        fail "no manual page: $program.1"
    elif ! grep -q "^\.TH ${program^^} " "$page" || ! grep -q "^$program \\\\- ..." "$page" ||
        ! grep -q '^\.SH SYNOPSIS' "$page" || ! grep -q '^\.SH DESCRIPTION' "$page"; then
        fail "$program.1 is not the manual page of the program"
    fi
    version=$(env -i PATH=/usr/bin:/bin HOME="$work" LD_LIBRARY_PATH="$library_path" \
        "$prefix/bin/$program" --version 2>&1) ||
        fail "$program --version failed: $version"
    [[ $version == *2.* ]] || fail "$program --version says: $version"
done

# The library: the shared object with its SONAME, its headers, CMake package and pkg-config
# file; nothing of the build's static libraries.
so=$(readelf -d "$prefix/$libdir/libZTKMarqueeControlD.so" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
[[ $so == libZTKMarqueeControlD.so.2 ]] || fail "SONAME is '$so'"
expect_file "$libdir/$so"
expect_file include/ZTKMarqueeControl/marquee.h
expect_file "$libdir/cmake/ZTKMarqueeControl/ZTKMarqueeControlConfig.cmake"
expect_file "$libdir/pkgconfig/ZTKMarqueeControl.pc"
[[ -z $(find "$prefix" -name '*.a') ]] || fail "static libraries installed"
runpath=$(readelf -d "$prefix/$libdir/$so" | sed -n 's/.*R\(UN\)\?PATH.*\[\(.*\)\]/\2/p')
[[ -z $runpath ]] || fail "the library has RUNPATH '$runpath'"

# Each program's RUNPATH, as wanted above.
for program in "${programs[@]}"; do
    runpath=$(readelf -d "$prefix/bin/$program" | sed -n 's/.*R\(UN\)\?PATH.*\[\(.*\)\]/\2/p')
    case $program in
        marquee | marquee-settings) [[ $runpath == "$wanted_runpath" ]] ||
            fail "$program has RUNPATH '$runpath', wanted '$wanted_runpath'" ;;
        *) [[ -z $runpath ]] || fail "$program links no library of ours but has RUNPATH '$runpath'" ;;
    esac
done

# Desktop integration: entries, icons in every size, AppStream data.
for app in legendo orvexsim; do
    expect_file "share/applications/$app.desktop"
    desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "$app.desktop is not valid"
    expect_file "share/icons/hicolor/scalable/apps/$app.svg"
    for size in 16 22 24 32 48 64 128 256; do
        png=$prefix/share/icons/hicolor/${size}x$size/apps/$app.png
        if [[ ! -f $png ]]; then
            fail "no ${size}px icon for $app"
            continue
        fi
        # A PNG's width and height are the 32-bit numbers at bytes 16 and 20.
        read -r width height < <(od -A n -t u1 -j 16 -N 8 "$png" |
            awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
        [[ $width == "$size" && $height == "$size" ]] || fail "$png is ${width}x$height"
    done
    metainfo=$prefix/share/metainfo/org.example.ztk_marquee.$app.metainfo.xml
    [[ -f $metainfo ]] || fail "no metainfo for $app"
done
appstreamcli validate-tree --no-net "$prefix" > "$work/appstream.log" 2>&1 ||
    fail "AppStream data not valid: $(cat "$work/appstream.log")"

# Data and documents.
expect_file share/orvexsim/orvexsim.example.ini
expect_file share/doc/ZTKMarqueeControl/LICENSE
expect_file share/doc/ZTKMarqueeControl/examples/factory.xml
for notice in NOTICE README.md OFL-terminus.txt; do
    cmp -s "$source/simulator/core/charsets/$notice" "$prefix/share/doc/ZTKMarqueeControl/charsets/$notice" ||
        fail "the character sets' $notice is not installed as it is"
done

# A host built with nothing but pkg-config, outside the prefix.
export PKG_CONFIG_PATH=$prefix/$libdir/pkgconfig
[[ $(pkg-config --modversion ZTKMarqueeControl) == 2.* ]] || fail "pkg-config finds no version"
# shellcheck disable=SC2046,SC2086
g++ -std=c++20 $extra_flags -o "$work/consumer" "$source/control/tests/install/consumer/main.cpp" \
    $(pkg-config --cflags --libs ZTKMarqueeControl)
output=$(LD_LIBRARY_PATH=$prefix/$libdir "$work/consumer")
[[ $output == "0A 380 Closed [0]" ]] || fail "the pkg-config host printed: $output"

# The installed control starts the installed simulator, found in bin/ of its prefix (not on
# PATH, not beside the host); that simulator seeds the user's settings from share/ and writes
# nothing beside itself.
user=$work/user
mkdir -p -m 700 "$user/home" "$user/config" "$user/runtime"
run_as_user() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u ORVEXSIM PATH=/usr/bin:/bin HOME="$user/home" \
        XDG_CONFIG_HOME="$user/config" XDG_RUNTIME_DIR="$user/runtime" \
        QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH="$prefix/$libdir" "$@"
}
output=$(run_as_user "$work/consumer" simulate 2>&1) || fail "simulate mode: $output"
settings=$user/config/orvexsim/orvexsim.ini
grep -q '^D001=' "$settings" 2> /dev/null || fail "the simulator's settings were not seeded: $(ls -R "$user/config")"
[[ ! -e $prefix/bin/orvexsim.ini ]] || fail "the installed simulator wrote its settings into bin/"
# The control closed the simulator as it ended; it is gone before its folders are.
for _ in $(seq 100); do
    simulator_pid=""
    for proc in /proc/[0-9]*; do
        program=""
        { IFS= read -r -d '' program < "$proc/cmdline"; } 2> /dev/null || true
        [[ $program == "$prefix/bin/orvexsim" ]] && simulator_pid=${proc#/proc/}
    done
    [[ -z $simulator_pid ]] && break
    sleep 0.1
done
[[ -z $simulator_pid ]] || fail "the simulator did not end when the control closed it"

# A packager's staged install: every file inside DESTDIR, the pkg-config file naming the
# final prefix.
DESTDIR=$work/staged cmake --install "$build" --prefix /usr > "$work/staged.log"
grep -qx 'prefix=/usr' "$work/staged/usr/$libdir/pkgconfig/ZTKMarqueeControl.pc" ||
    fail "the staged pkg-config file names another prefix"
[[ $(ls "$work/staged") == usr ]] || fail "a staged install wrote outside the prefix: $(ls "$work/staged")"

if ((failures > 0)); then
    echo "$failures checks failed" >&2
    exit 1
fi
echo "install tree complete"
