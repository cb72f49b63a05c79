#!/usr/bin/env bash
# Fails when lrelease reports an unfinished or untranslated entry in a .ts file.
# Usage: check_translations_finished.sh LRELEASE TS_FOLDER
set -uo pipefail
lrelease=$1 folder=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
status=0
for ts in "$folder"/*.ts; do
  report=$("$lrelease" "$ts" -qm "$out/$(basename "$ts" .ts).qm" 2>&1) ||
    { echo "FAIL: lrelease $ts: $report"; status=1; continue; }
  unfinished=$(sed -n 's/.*finished and \([0-9]*\) unfinished.*/\1/p' <<<"$report")
  untranslated=$(sed -n 's/.*Ignored \([0-9]*\) untranslated.*/\1/p' <<<"$report")
  if [ -z "$unfinished" ]; then
    echo "FAIL: $ts: lrelease said nothing of unfinished entries: $report"; status=1
  elif [ "$unfinished" -ne 0 ] || [ "${untranslated:-0}" -ne 0 ]; then
    echo "FAIL: $ts: $unfinished unfinished, ${untranslated:-0} untranslated"; status=1
  else
    echo "ok: $ts"
  fi
done
exit $status
