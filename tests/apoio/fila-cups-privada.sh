#!/usr/bin/env bash
# Runs a command with a real print queue at hand: a private CUPS scheduler whose configuration, spool,
# logs and socket live in a temporary folder (it listens on that unix socket only, so the machine's
# own printing is left alone) and a cups-pdf queue whose PDF files land in the same folder. The
# command sees CUPS_SERVER, CARTELIM_FILA_CUPS (the queue's name) and CARTELIM_SAIDA_CUPS (the folder
# of the printed PDF files); its exit code is the script's.
#
# Needs root and the packages cups and printer-driver-cups-pdf (scripts/install-deps.sh installs
# them); without them the command is not run and the script exits 77 (skipped). It installs nothing,
# and removes the queue, the scheduler and every file it made however it ends.
#
# Usage: fila-cups-privada.sh COMMAND [ARGUMENTS...]
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: fila-cups-privada.sh COMMAND [ARGUMENTS...]" >&2; exit 2; }
pula() {
    echo "SKIP: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || pula "a private CUPS scheduler needs root"
[ -x /usr/sbin/cupsd ] || pula "cupsd is not installed (cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] || pula "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
command -v lpadmin >/dev/null || pula "lpadmin is not installed"
command -v lpstat >/dev/null || pula "lpstat is not installed"

pasta=$(mktemp -d /tmp/cartelim-cups.XXXXXX)
fila=CartelimTeste$$
# cups-pdf reads cups-pdf-<name>.conf for a queue whose device is cups-pdf:/<name>.
conf_cups_pdf=/etc/cups/cups-pdf-$fila.conf
pid_cupsd=
export CUPS_SERVER=$pasta/cups.sock

para() {
    set +e
    if [ -n "$pid_cupsd" ]; then
        lpadmin -x "$fila" 2>/dev/null
        kill "$pid_cupsd" 2>/dev/null
        wait "$pid_cupsd" 2>/dev/null
    fi
    rm -f "$conf_cups_pdf"
    rm -rf "$pasta"
}
trap para EXIT

falha() {
    echo "FAIL: $*"
    tail -n 40 "$pasta/log/error_log" 2>/dev/null
    exit 1
}

# Filters run as lp and read the spool.
mkdir -p "$pasta"/{etc/ppd,etc/ssl,estado/certs,cache,spool/tmp,log,saida,spool-pdf}
chmod 755 "$pasta"
chgrp lp "$pasta/spool" "$pasta/spool/tmp"
chmod 0710 "$pasta/spool"
chmod 1770 "$pasta/spool/tmp"
printf '%s\n' "ServerRoot $pasta/etc" "StateDir $pasta/estado" "CacheDir $pasta/cache" \
    "RequestRoot $pasta/spool" "TempDir $pasta/spool/tmp" "ErrorLog $pasta/log/error_log" \
    "AccessLog $pasta/log/access_log" "PageLog $pasta/log/page_log" "Printcap $pasta/printcap" \
    "SystemGroup root" "User lp" "Group lp" >"$pasta/cups-files.conf"
printf '%s\n' "Listen $pasta/cups.sock" "LogLevel info" "Browsing No" "WebInterface No" \
    "<Policy default>" "  <Limit All>" "    Order deny,allow" "  </Limit>" "</Policy>" >"$pasta/cupsd.conf"
printf '%s\n' "Out $pasta/saida" "AnonDirName $pasta/saida" "Spool $pasta/spool-pdf" "Log $pasta/log" \
    >"$conf_cups_pdf"

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

set +e
CARTELIM_FILA_CUPS=$fila CARTELIM_SAIDA_CUPS=$pasta/saida "$@"
situacao=$?
set -e
[ "$situacao" -eq 0 ] || tail -n 20 "$pasta/log/error_log" 2>/dev/null
exit "$situacao"
