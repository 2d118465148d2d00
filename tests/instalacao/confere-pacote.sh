#!/usr/bin/env bash
# Builds the Debian package of a build, installs it with dpkg, runs the installed batch tool from /usr/bin,
# checks the installed desktop entry and removes the package again. Needs root, so it is skipped otherwise;
# also skipped when a cartelim package is already installed (that one is someone's, not this test's).
#   confere-pacote.sh [BUILD_DIR, default build]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
if [ "$(id -u)" -ne 0 ]; then
    echo "pacote: teste ignorado, precisa de root"
    exit 0
fi
# Two runs on one machine take turns.
exec 9>/tmp/cartelim-confere-pacote.lock
flock 9
if dpkg-query -W -f='${Status}' cartelim 2>/dev/null | grep -q 'install ok installed'; then
    echo "pacote: teste ignorado, já há um pacote cartelim instalado nesta máquina"
    exit 0
fi

pasta=$(mktemp -d)
instalado=false
limpa() {
    if $instalado; then dpkg -r cartelim >/dev/null || true; fi
    rm -rf "$pasta"
}
trap limpa EXIT

cpack --config "$build/CPackConfig.cmake" -B "$pasta" >"$pasta/cpack.log" 2>&1 || {
    cat "$pasta/cpack.log" >&2
    exit 1
}
pacote=$(echo "$pasta"/cartelim_*.deb)
versao=$(dpkg-deb -f "$pacote" Version)
instalado=true
# dpkg installs no dependency: a package that asks for one this machine lacks fails here.
dpkg -i "$pacote" >/dev/null
dpkg-query -W -f='${Status}' cartelim | grep -q 'install ok installed'

/usr/bin/cartelim-lote --help >/dev/null
[ "$(/usr/bin/cartelim-lote --version)" = "cartelim-lote $versao" ]
[ "$(/usr/bin/cartelim-confere --version)" = "cartelim-confere $versao" ]
desktop-file-validate /usr/share/applications/cartelim.desktop

dpkg -r cartelim >/dev/null
instalado=false
for arquivo in /usr/bin/cartelim /usr/bin/cartelim-lote /usr/bin/cartelim-confere \
    /usr/share/applications/cartelim.desktop; do
    [ ! -e "$arquivo" ] || { echo "pacote: $arquivo ficou depois de removido" >&2; exit 1; }
done
echo "pacote: $(basename "$pacote") instalado, cartelim-lote $versao executado de /usr/bin e removido"
