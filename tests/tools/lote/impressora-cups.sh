#!/usr/bin/env bash
# Prints through `cartelim-lote --impressora` on the private print queue that
# tests/apoio/fila-cups-privada.sh sets up around this script (CUPS_SERVER, CARTELIM_FILA_CUPS and
# CARTELIM_SAIDA_CUPS come from it). The printed PDF must have the pages the tool printed.
#
# Usage: fila-cups-privada.sh impressora-cups.sh PATH/TO/cartelim-lote
set -euo pipefail

programa=${1:?usage: impressora-cups.sh PATH/TO/cartelim-lote}
fila=${CARTELIM_FILA_CUPS:?run through tests/apoio/fila-cups-privada.sh}
saida=${CARTELIM_SAIDA_CUPS:?run through tests/apoio/fila-cups-privada.sh}
command -v pdfinfo >/dev/null || { echo "SKIP: pdfinfo is not installed"; exit 77; }
falha() {
    echo "FAIL: $*"
    exit 1
}

# Ten Mega-Sena games, three to a slip: four slips, two A4 pages.
jogos=$(mktemp /tmp/cartelim-jogos.XXXXXX)
trap 'rm -f "$jogos"' EXIT
cat >"$jogos" <<JOGOS
// fechamento de teste
01 11 21 31 41 51
02 12 22 32 42 52
03 13 23 33 43 53
04 14 24 34 44 54
05 15 25 35 45 55
06 16 26 36 46 56
07 17 27 37 47 57
08 18 28 38 48 58
09 19 29 39 49 59
10 20 30 40 50 60
JOGOS
paginas_esperadas=2

saida_programa=$("$programa" --modalidade Mega-sena --titulo "Teste CUPS" --impressora "$fila" "$jogos" 2>&1) ||
    falha "cartelim-lote exited with $?: $saida_programa"
echo "$saida_programa"

# cups-pdf names its files as it likes and writes them through Ghostscript: wait for the queue to be
# empty and a PDF to be there.
pdf=
for _ in $(seq 120); do
    pdf=$(find "$saida" -type f -name '*.pdf' | head -n 1)
    if [ -n "$pdf" ] && [ -z "$(lpstat -o "$fila" 2>/dev/null)" ]; then
        break
    fi
    pdf=
    sleep 0.5
done
[ -n "$pdf" ] || falha "no PDF came out of the queue within 60 s"

paginas=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ "$paginas" = "$paginas_esperadas" ] || falha "the printed PDF has $paginas pages, expected $paginas_esperadas"
echo "OK: $paginas pages printed through queue $fila"
