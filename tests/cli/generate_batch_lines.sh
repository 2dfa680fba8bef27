#!/usr/bin/env bash
# Prints N generated --batch lines (default 1000): a mix of what scripts
# ask, every sensor type, units, gases, reference modes, flow types and
# process conditions. The same N always gives the same lines. Usage:
#   tests/cli/generate_batch_lines.sh [N]
set -euo pipefail
awk -v n="${1:-1000}" 'BEGIN {
  split("QA10 QA20 QA30 QA40 QA50 QA60 QA70 QA80 QA20-V QA90", s, " ")
  split("m3/h m3/min l/min l/s cfm kg/h kg/min kg/s", u, " ")
  for (i = 0; i < n; i++) {
    sensor = s[i % 10 + 1]; unit = u[int(i / 10) % 8 + 1]
    line = "{\"sensor\":\"" sensor "\",\"unit\":\"" unit "\""
    if (sensor == "QA30" || sensor == "QA50" || sensor == "QA70" || sensor == "QA90")
      line = line ",\"diameter\":\"" (20 + i % 180) "\""
    if (sensor == "QA70" || sensor == "QA90")
      line = line ",\"process-pressure\":\"" (i % 16) "\",\"flow-type\":\"" (i % 3 ? "flow" : "fad") "\""
    if (sensor == "QA40" && i % 20 == 3) line = line ",\"gas\":\"CO2\",\"reference\":\"custom\",\"reference-temperature\":\"15\""
    print line "}"
  }
}'
