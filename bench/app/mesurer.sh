#!/usr/bin/env bash
# Whole-process timings of the command-line doors and of the window program's start, each
# against its yardstick, with hyperfine:
#   bench/app/mesurer.sh [BUILD]        (default: build)
set -euo pipefail
build=${1:-build}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$build/bench/app/ecrire_classe_complete" "$tmp/complete.cl3"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$tmp" XDG_CONFIG_HOME="$tmp" XDG_DATA_HOME="$tmp"
q="$build/app/quillora"
ini="$tmp/absent.ini"
hyperfine -N -w 5 -r 40 --export-markdown "$tmp/export.md" \
    "$q --version" "$q --exporter $tmp/complete.cl3 --vue 4,4 --config $ini" \
    "$q --classement $tmp/complete.cl3 --vue 4,4 --sans-absents --config $ini"
hyperfine -N -w 3 -r 30 --export-markdown "$tmp/pdf.md" \
    "$build/bench/app/minimal pdf $tmp/minimal.pdf" "$q --pdf $tmp/complete.cl3 $tmp/q.pdf --vue 1,1 --config $ini"
hyperfine -N -w 3 -r 30 --export-markdown "$tmp/demarrage.md" \
    "$build/bench/app/minimal image" "$build/bench/app/demarrage $tmp/complete.cl3 --config $tmp/q.ini"
cat "$tmp/export.md" "$tmp/pdf.md" "$tmp/demarrage.md"
