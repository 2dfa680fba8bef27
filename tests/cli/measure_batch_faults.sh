#!/usr/bin/env bash
# Runs tarnvik-calc --batch on the hostile inputs of a fault review and
# prints, for each, the exit status, the number of output lines, the peak
# resident memory (/usr/bin/time -v), the wall time and the first line of
# standard error. The inputs (about 600 MB) are made in a scratch folder.
# Usage:
#   tests/cli/measure_batch_faults.sh [path/to/tarnvik-calc] [scratch folder]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
calc=$(realpath "${1:-build/release/src/cli/tarnvik-calc}")
work=${2:-$(mktemp -d)}
mkdir -p "$work"
export calc

good='{"sensor":"QA70","unit":"kg/h","process-pressure":"7"}'
repeat() { head -c "$2" /dev/zero | tr '\0' "$1"; }
if [ ! -f "$work/ready" ]; then
  { printf '%s\n%s\n' "$good" "$good"
    printf '{"sensor":"QA30","diameter":"'; repeat 9 300000000; printf '"}\n'
    printf '%s\n%s\n%s\n' "$good" "$good" "$good"; } >"$work/huge_line.jsonl"
  { repeat '[' 50000000; echo; } >"$work/nested.jsonl"
  { printf '{"sensor":"QA30","diameter":"'; repeat 9 200000000; printf '"}\n'; } >"$work/big_value.jsonl"
  "$here/generate_batch_lines.sh" 1000000 >"$work/million.jsonl"
  touch "$work/ready"
fi

printf '%-34s %6s %7s %10s %8s  %s\n' case status lines "RSS (KB)" "time (s)" "standard error"
measure() {
  local name=$1 command=$2
  local t0 t1 status
  t0=$(date +%s.%N)
  /usr/bin/time -v -o "$work/time" bash -c "$command" >"$work/out" 2>"$work/err"
  status=$?
  t1=$(date +%s.%N)
  local rss lines err
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
  lines=$(wc -l <"$work/out")
  err=$(head -n 1 "$work/err" | cut -c 1-100)
  printf '%-34s %6s %7s %10s %8.2f  %s\n' "$name" "$status" "$lines" "$rss" \
    "$(echo "$t0 $t1" | awk '{ print $2 - $1 }')" "$err"
}

measure "< / (EISDIR)" 'exec "$calc" --batch </'
measure "<&- (closed stdin)" 'exec "$calc" --batch <&-'
measure "2 good, 300 MB, 3 good; ulimit -v" "ulimit -v 600000; exec \"\$calc\" --batch <'$work/huge_line.jsonl'"
measure "50 MB of nested [" "exec \"\$calc\" --batch <'$work/nested.jsonl'"
measure "200 MB value" "exec \"\$calc\" --batch <'$work/big_value.jsonl'"
measure "1M lines to /dev/full" "exec \"\$calc\" --batch <'$work/million.jsonl' >/dev/full"
