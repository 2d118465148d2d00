#!/usr/bin/env bash
# Prints through `cartelim-lote --impressora` on a real print queue: a private CUPS scheduler whose
# configuration, spool, logs and socket live in a temporary folder (it listens on that unix socket
# only, so the machine's own printing is left alone), with a cups-pdf queue whose PDF files land in
# the same folder. The printed PDF must have the pages the tool printed.
#
# Needs root and the packages cups and printer-driver-cups-pdf (scripts/install-deps.sh installs
# them); without them the test is skipped (exit 77). It installs nothing, and removes the queue, the
# scheduler and every file it made however it ends.
#
# Usage: impressora-cups.sh PATH/TO/cartelim-lote
set -euo pipefail

programa=${1:?usage: impressora-cups.sh PATH/TO/cartelim-lote}
pula() {
    echo "SKIP: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || pula "a private CUPS scheduler needs root"
[ -x /usr/sbin/cupsd ] || pula "cupsd is not installed (cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] || pula "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
for comando in lpadmin lpstat pdfinfo; do
    command -v "$comando" >/dev/null || pula "$comando is not installed"
done

pasta=$(mktemp -d /tmp/cartelim-cups.XXXXXX)
fila=CartelimLote$$
# cups-pdf reads cups-pdf-<name>.conf for a queue whose device is cups-pdf:/<name>.
conf_cups_pdf=/etc/cups/cups-pdf-$fila.conf
pid_cupsd=
export CUPS_SERVER=$pasta/cups.sock

limpa() {
    set +e
    if [ -n "$pid_cupsd" ]; then
        lpadmin -x "$fila" 2>/dev/null
        kill "$pid_cupsd" 2>/dev/null
        wait "$pid_cupsd" 2>/dev/null
    fi
    rm -f "$conf_cups_pdf"
    rm -rf "$pasta"
}
trap limpa EXIT

falha() {
    echo "FAIL: $*"
    echo "--- cupsd error_log (end)"
    tail -n 40 "$pasta/log/error_log" 2>/dev/null
    exit 1
}

# The scheduler's folders, owned as cupsd expects: filters run as lp and read the spool.
mkdir -p "$pasta"/{etc/ppd,etc/ssl,estado/certs,cache,spool/tmp,log,saida,spool-pdf}
chmod 755 "$pasta"
chgrp lp "$pasta/spool" "$pasta/spool/tmp"
chmod 0710 "$pasta/spool"
chmod 1770 "$pasta/spool/tmp"
cat >"$pasta/cups-files.conf" <<CONF
ServerRoot $pasta/etc
StateDir $pasta/estado
CacheDir $pasta/cache
RequestRoot $pasta/spool
TempDir $pasta/spool/tmp
ErrorLog $pasta/log/error_log
AccessLog $pasta/log/access_log
PageLog $pasta/log/page_log
Printcap $pasta/printcap
SystemGroup root
User lp
Group lp
CONF
cat >"$pasta/cupsd.conf" <<CONF
Listen $pasta/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType Basic
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$conf_cups_pdf" <<CONF
Out $pasta/saida
AnonDirName $pasta/saida
Spool $pasta/spool-pdf
Log $pasta/log
CONF

/usr/sbin/cupsd -f -c "$pasta/cupsd.conf" -s "$pasta/cups-files.conf" </dev/null >/dev/null 2>&1 &
pid_cupsd=$!
for _ in $(seq 100); do
    # lpstat -r exits 0 even when the scheduler is down: read its words.
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    kill -0 "$pid_cupsd" 2>/dev/null || falha "cupsd stopped on start"
    sleep 0.1
done
lpstat -r 2>/dev/null | grep -q 'is running' || falha "cupsd did not start"

lpadmin -p "$fila" -E -v "cups-pdf:/$fila" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ||
    falha "lpadmin could not add the queue"

# Ten Mega-Sena games, three to a slip: four slips, two A4 pages.
jogos=$pasta/jogos.txt
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
    pdf=$(find "$pasta/saida" -type f -name '*.pdf' | head -n 1)
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
