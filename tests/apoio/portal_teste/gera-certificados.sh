#!/usr/bin/env bash
# Makes the throwaway certificates of the local test portal in DIR: a test certificate authority and,
# signed by it unless said otherwise, certificates for "localhost" that all share one key:
#   ca.pem            the test authority (trust it with CARTELIM_PORTAL_CA)
#   chave.pem         the key of every certificate below
#   localhost.pem     valid for two days
#   vencido.pem       expired in 2020
#   outro-host.pem    valid, but for the name outro-host.invalid
#   autoassinado.pem  valid for localhost, signed by its own key, not by the test authority
# Nothing here is a real key; the files are made afresh for each run and thrown away after it.
set -euo pipefail
dir=${1:?usage: gera-certificados.sh DIR}
mkdir -p "$dir"
cd "$dir"

ec=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
openssl req -x509 "${ec[@]}" -days 2 -subj "/CN=Cartelim portal de teste CA" \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign \
    -keyout ca-chave.pem -out ca.pem 2>/dev/null
openssl req -new "${ec[@]}" -subj /CN=localhost -keyout chave.pem -out pedido.csr 2>/dev/null
openssl req -x509 -key chave.pem -days 2 -subj /CN=localhost -addext subjectAltName=DNS:localhost \
    -out autoassinado.pem 2>/dev/null

mkdir -p emitidos
: > emitidos/indice.txt
cat > ca.cnf <<'EOF'
[ca]
default_ca = teste
[teste]
database = emitidos/indice.txt
new_certs_dir = emitidos
certificate = ca.pem
private_key = ca-chave.pem
default_md = sha256
policy = livre
unique_subject = no
rand_serial = yes
copy_extensions = none
[livre]
commonName = supplied
[localhost]
subjectAltName = DNS:localhost
basicConstraints = CA:FALSE
[outro_host]
subjectAltName = DNS:outro-host.invalid
basicConstraints = CA:FALSE
EOF
emite() { # name extensions [validity options...]
    local nome=$1 extensoes=$2
    shift 2
    openssl ca -batch -config ca.cnf -notext -extensions "$extensoes" "$@" -in pedido.csr -out "$nome" 2>/dev/null
}
emite localhost.pem localhost -days 2
emite vencido.pem localhost -startdate 20200101000000Z -enddate 20200201000000Z
emite outro-host.pem outro_host -days 2 -subj /CN=outro-host.invalid
