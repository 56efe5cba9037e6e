#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on a Debian machine;
# skips whatever is already there. Run as root (or with sudo available).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive

SUDO=
if [[ $(id -u) -ne 0 ]]; then
    SUDO=sudo
fi

# Debian packages and a file each one installs (present = nothing to do).
packages=(
    "cmake:/usr/bin/cmake"
    "g++:/usr/bin/g++"
    "make:/usr/bin/make"
    "libgtest-dev:/usr/include/gtest/gtest.h"
    "googletest:/usr/src/googletest/CMakeLists.txt"
    "g++-mingw-w64-i686:/usr/bin/i686-w64-mingw32-g++-posix"
    "wine:/usr/bin/wine"
    "wine32:i386:/usr/lib/wine/wine"
    "xvfb:/usr/bin/Xvfb"
    "xauth:/usr/bin/xauth"
    "x11-utils:/usr/bin/xdpyinfo"
    "xdotool:/usr/bin/xdotool"
    "imagemagick:/usr/bin/import"
    "locales:/usr/sbin/locale-gen"
    "fonts-ipafont-gothic:/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
    "python3:/usr/bin/python3"
    # clang and its runtime libraries (not pulled in without recommends) for
    # the libFuzzer targets, scripts/fuzz.sh
    "clang:/usr/bin/clang++"
    "libclang-rt-14-dev:/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a"
    # the clang Windows build links with lld; clang-tidy reads src/ (scripts/tidy.sh)
    "lld:/usr/bin/ld.lld"
    "clang-tidy:/usr/bin/run-clang-tidy"
)

missing=()
for entry in "${packages[@]}"; do
    name=${entry%:*}
    file=${entry##*:}
    [[ -e $file ]] || missing+=("$name")
done

if ((${#missing[@]} > 0)); then
    if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    echo "Installing: ${missing[*]}"
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page from the locale: ja_JP.UTF-8 gives 932.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    echo "Generating the ja_JP.UTF-8 locale"
    if grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
        $SUDO sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
    $SUDO locale-gen >/dev/null
fi
