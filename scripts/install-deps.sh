#!/usr/bin/env bash
# Installs what building and testing need on Debian, when it is missing.
set -eu
packages=(cmake g++ make libgtest-dev g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine64 xvfb xauth
          imagemagick file binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 wixl msitools python3
          fonts-wine x11-utils osslsigncode openssl unzip e2fsprogs softhsm2
          libengine-pkcs11-openssl opensc clang lld llvm)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
