#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and the tests need and is
# not on the machine yet. Runs as root, or through sudo when it is not root.
set -euo pipefail

packages=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev libqpdf-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core ca-certificates
    fonts-liberation2 poppler-utils
    cups printer-driver-cups-pdf
    openssl
    clang libclang-rt-14-dev
    libcups2-dev
    qt6-translations-l10n
    desktop-file-utils appstream file dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
