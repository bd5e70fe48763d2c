#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up a Debian 12 machine for Gridlark, builds it, then plays it or runs the test suite.
#   tools/setup.sh play   install what is missing, build, start the game
#   tools/setup.sh test   install what is missing, build, run every test headless through CTest
#                         (the window tests once more under a headless Wayland compositor, the
#                         Debian package through lintian and its metainfo through appstreamcli,
#                         every C++ file through clang-format),
#                         then again in a build with AddressSanitizer and UndefinedBehaviorSanitizer,
#                         then fuzzes the career files for a minute
set -euo pipefail

mode=${1:-play}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$top/build"
sanitized="$top/build-asan"
fuzzing="$top/build-fuzz"

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev qt6-wayland
    fonts-liberation fonts-wine
    xvfb xauth x11-utils
    clang libclang-rt-14-dev fiu-utils e2fsprogs
    desktop-file-utils appstream dpkg-dev file lintian weston
)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}" </dev/null
}

configure_and_build() {
    cmake -S "$top" -B "$1" -G Ninja "${@:2}"
    cmake --build "$1"
}

run_tests() {
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure --timeout 900
}

install_missing
configure_and_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

case "$mode" in
play)
    exec "$build/src/app/gridlark"
    ;;
test)
    run_tests "$build"
    configure_and_build "$sanitized" -DCMAKE_BUILD_TYPE=Debug -DGRIDLARK_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        run_tests "$sanitized"
    CC=clang CXX=clang++ cmake -S "$top" -B "$fuzzing" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DGRIDLARK_FUZZ=ON
    cmake --build "$fuzzing" --target careerfiles_fuzz
    bash "$top/fuzz/run_fuzz.sh" "$fuzzing" 60
    ;;
*)
    echo "usage: tools/setup.sh play|test" >&2
    exit 2
    ;;
esac
