#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
echo "Cartelim compilado em build/. Ainda sem janela: as bibliotecas de modalidades, validação de jogos,"
echo "importação e armazenamento estão prontas; rode 'bash scripts/test.sh' para vê-las em ação."
