#!/usr/bin/env bash
# Whole-process timings of busquery-cli on the sample city: start to first answer of
# "line 12", and a batch of 10,000 line queries.
set -euo pipefail
bin=${1:-build/bin}
cli="$bin/busquery-cli"

ms() { echo $(( ($2 - $1) / 1000000 )); }

t0=$(date +%s%N); "$cli" line 12 >/dev/null; t1=$(date +%s%N)
echo "line 12, process start to answer: $(ms "$t0" "$t1") ms"

requests=$(mktemp)
trap 'rm -f "$requests"' EXIT
names=(12 12路 夜1 地铁 1 5路 100 机场快线 大学城 高峰快线)
for ((i = 0; i < 10000; i++)); do
    printf '{"line": "%s"}\n' "${names[i % ${#names[@]}]}"
done >"$requests"
t0=$(date +%s%N); "$cli" batch <"$requests" >/dev/null; t1=$(date +%s%N)
echo "batch of 10000 line queries: $(ms "$t0" "$t1") ms"
