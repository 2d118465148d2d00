#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer,
# in build-fuzz/) and runs them.
#   scripts/fuzz.sh TARGET [SECONDS]   replays TARGET's seeds, then fuzzes it (default 600 s)
#   scripts/fuzz.sh --all [SECONDS]    the same for every target in turn (default 60 s each), as CI does
#   scripts/fuzz.sh --list             the targets
# The seeds in fuzz/corpus/TARGET are only read; what the fuzzer finds on the way is kept in
# build-fuzz/corpus/TARGET for the next run. A crash, a broken rule, a leak, an input that takes more
# than 10 s or memory above 2 GB ends the run with a failure: the input is kept in
# build-fuzz/falhas/TARGET/ and printed in base64, so that a CI log holds it.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build-fuzz
targets=(validajogo decodificatexto importacao impressaoini opcoeslote registrosportal)
flags=(-timeout=10 -rss_limit_mb=2048)

case "${1:-}" in
--list)
    printf '%s\n' "${targets[@]}"
    exit 0
    ;;
--all)
    chosen=("${targets[@]}")
    seconds=${2:-60}
    ;;
"" | -*)
    echo "uso: scripts/fuzz.sh ALVO [SEGUNDOS] | --all [SEGUNDOS] | --list" >&2
    exit 2
    ;;
*)
    if [[ ! " ${targets[*]} " == *" $1 "* ]]; then
        echo "alvo desconhecido: $1 (alvos: ${targets[*]})" >&2
        exit 2
    fi
    chosen=("$1")
    seconds=${2:-600}
    ;;
esac

bash scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCARTELIM_FUZZ=ON -DCARTELIM_BUILD_TESTS=OFF \
    -DCARTELIM_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target "${chosen[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Prints every input kept in the target's failure folder.
show_failures() {
    local failures=$1 input
    for input in "$failures"/*; do
        [ -f "$input" ] || continue
        echo "---- entrada que falhou: $input ($(stat -c %s "$input") bytes), em base64:"
        base64 -w 100 "$input"
        echo "---- fim da entrada"
    done
}

failed=()
for target in "${chosen[@]}"; do
    program=$dir/fuzz/fuzz_$target
    seeds=fuzz/corpus/$target
    learned=$dir/corpus/$target
    failures=$dir/falhas/$target
    log=$dir/fuzz-$target.log
    mkdir -p "$learned" "$failures"
    rm -f "$failures"/*
    echo "== $target: as sementes de $seeds, depois ${seconds} s (andamento em $log)"
    ok=true
    # Each seed once, as a regression test of its own, then the fuzzing from the seeds and what earlier
    # runs found.
    if compgen -G "$seeds/*" >/dev/null &&
        ! "$program" "${flags[@]}" -artifact_prefix="$failures/" "$seeds"/* >"$log" 2>&1; then
        ok=false
        # A seed that fails is not copied as an artifact: keep the one that was running.
        seed=$(sed -n 's/^Running: //p' "$log" | tail -n 1)
        [ -z "$seed" ] || cp "$seed" "$failures/"
    elif ! "$program" "${flags[@]}" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$failures/" "$learned" "$seeds" >"$log" 2>&1; then
        ok=false
    fi
    if $ok; then
        grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
    else
        tail -n 150 "$log"
        show_failures "$failures"
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Falharam: ${failed[*]}" >&2
    exit 1
fi
echo "Nenhuma falha em: ${chosen[*]}"
