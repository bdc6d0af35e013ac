#!/usr/bin/env bash
# Installs what building and testing the clock needs on Debian 12; with
# "bench", also what the benchmarks build.
# Idempotent: packages already present are skipped, so a second run is quick.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

# qemu-user runs 32-bit Wine where the kernel runs no 32-bit programs, for
# the shipped exe's test (scripts/with-qemu-i386.sh); zip packs the release.
# Only the -posix compilers (GoogleTest needs their threads): the mingw-w64
# meta-package would add the win32-thread compilers of both architectures.
PACKAGES=(
  cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 xvfb xdotool imagemagick x11-utils xcompmgr
  xserver-xorg-video-dummy x11-xserver-utils
  fonts-ipafont-gothic fonts-liberation locales
  qemu-user zip
)
# The first-frame watcher of the benchmarks reads X directly.
if [ "${1:-}" = bench ]; then PACKAGES+=(libx11-dev); fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine's ANSI code page follows LANG: ja_JP.UTF-8 gives code page 932, the
# tests' own; en_US.UTF-8 gives 1252, the Western system that the clock must
# read right on as well.
for wanted in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$wanted.utf8$"; then
    $SUDO sed -i "s/^# *$wanted.UTF-8 UTF-8/$wanted.UTF-8 UTF-8/" /etc/locale.gen
    grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen ||
      echo "$wanted.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    generate=1
  fi
done
if [ -n "${generate:-}" ]; then $SUDO locale-gen >/dev/null; fi
