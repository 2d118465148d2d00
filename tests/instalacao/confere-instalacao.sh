#!/usr/bin/env bash
# Installs the build into a private folder as `cmake --install` does for a user, and checks what lands
# there: the programs under bin/ and running from there, the desktop entry and the AppStream metainfo
# valid and naming what was installed, the icon at every size of the theme.
#   confere-instalacao.sh BUILD_DIR WORK_DIR VERSION
set -euo pipefail
build=$1
raiz=$2/raiz
versao=$3
rm -rf "$raiz"
cmake --install "$build" --prefix "$raiz/usr" >/dev/null

falhas=0
falha() {
    echo "FALHA: $*" >&2
    falhas=$((falhas + 1))
}

[ -x "$raiz/usr/bin/cartelim" ] || falha "cartelim não instalado em bin/"
for programa in cartelim-lote cartelim-confere; do
    [ -x "$raiz/usr/bin/$programa" ] || falha "$programa não instalado em bin/"
    "$raiz/usr/bin/$programa" --help >/dev/null || falha "$programa --help instalado não roda"
    [ "$("$raiz/usr/bin/$programa" --version)" = "$programa $versao" ] ||
        falha "$programa --version instalado não diz $versao"
done

entrada=$raiz/usr/share/applications/cartelim.desktop
desktop-file-validate "$entrada" || falha "entrada de menu inválida"
executavel=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entrada")
[ -x "$raiz/usr/bin/$executavel" ] || falha "a entrada de menu abre '$executavel', que não foi instalado"
icone=$(sed -n 's/^Icon=//p' "$entrada")
for lado in 48 128 256; do
    png=$raiz/usr/share/icons/hicolor/${lado}x${lado}/apps/$icone.png
    file "$png" | grep -q "PNG image data, $lado x $lado," || falha "sem ícone '$icone' de $lado x $lado"
done

# The metainfo alone, then against the tree: its launchable names the installed desktop entry.
appstreamcli validate --no-net "$raiz"/usr/share/metainfo/*.metainfo.xml || falha "metainfo inválido"
grep -q "<release version=\"$versao\"" "$raiz"/usr/share/metainfo/*.metainfo.xml ||
    falha "o metainfo não lista a versão $versao"
appstreamcli validate-tree --no-net "$raiz" || falha "instalação que o AppStream recusa"

[ "$falhas" -eq 0 ]
