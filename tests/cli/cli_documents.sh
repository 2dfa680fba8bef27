#!/bin/sh
# Writes range charts and a sizing sheet made by the real tarnvik-calc
# (the path in TARNVIK_CALC) into FOLDER, each chart beside the --json
# output of the same command, for tests/sizing/check_documents.py.
#
#   TARNVIK_CALC=build/.../tarnvik-calc cli_documents.sh FOLDER
set -eu
calc=${TARNVIK_CALC:?TARNVIK_CALC must name the tarnvik-calc executable}
folder=$1
mkdir -p "$folder"

# name, expected exit status, then the command without --svg / --json
chart() {
  name=$1 status=$2
  shift 2
  for format in svg json; do
    set +e
    "$calc" "$@" --$format >"$folder/$name.$format"
    got=$?
    set -e
    if [ "$got" -ne "$status" ]; then
      echo "cli_documents.sh: $* --$format exited with $got, not $status" >&2
      exit 1
    fi
  done
}

chart table-qa60 0 table --sensor QA60 --unit kg/h
chart table-qa70-pipes 0 table --sensor QA70 --unit kg/h --process-pressure 7 \
  --pipe "NPS 2 Sch 40" --diameter 80 --pipe "DN100 M"
chart table-qa80-norm 0 table --sensor QA80 --reference norm --unit l/min
chart find-fits 0 find --unit m3/h --min-flow 5 --max-flow 400 --pipe "NPS 3 Sch 40"
chart find-nearest 1 find --unit m3/h --min-flow 1 --max-flow 90000 --pipe "NPS 4 Sch 40"

SOURCE_DATE_EPOCH=1715904000 "$calc" sheet --sensor QA40 --section DN25 --range S \
  --project "Plant 7 <retrofit> & 'ring' main" --tag FT-101 --customer "Nordvik Tryckluft AB" \
  -o "$folder/sheet-qa40.html"
SOURCE_DATE_EPOCH=1715904000 "$calc" sheet --sensor QA70 --pipe "NPS 4 Sch 40" --unit kg/h \
  --flow-type fad --process-pressure 7.5 --title "Compressor room, main header" \
  -o "$folder/sheet-qa70.html"
