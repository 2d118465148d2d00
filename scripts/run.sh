#!/usr/bin/env bash
# Installs what is missing, builds and opens the program's window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Cartelim compilado em build/, mas não há tela gráfica nesta sessão (DISPLAY vazio)." >&2
    echo "Abra-o numa sessão gráfica com: build/src/ui/cartelim" >&2
    exit 1
fi
exec build/src/ui/cartelim
