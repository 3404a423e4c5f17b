#!/usr/bin/env bash
# Unpacks the package into a scratch folder and starts the program found
# there on a scratch data folder filled from the package's own data, on the
# offscreen platform: its main window must show within a minute.
set -euo pipefail
deb=${1:?usage: unpacked_start_test.sh korva_VERSION_amd64.deb}
scratch=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT

dpkg-deb -x "$deb" "$scratch/root"
cp -r "$scratch/root/usr/share/korva/data" "$scratch/home"
mkdir -m 700 "$scratch/run"

env -u KORVA_HOME -u XDG_DATA_HOME HOME="$scratch/user" XDG_RUNTIME_DIR="$scratch/run" \
  QT_QPA_PLATFORM=offscreen KORVA_SHOWN_FD=3 \
  "$scratch/root/usr/bin/korva" --home "$scratch/home" 3>"$scratch/shown" &
pid=$!
for _ in $(seq 600); do
  if grep -q '^shown [0-9]*x[0-9]*$' "$scratch/shown"; then
    echo "PASS: the program unpacked from $deb showed its main window ($(cat "$scratch/shown"))"
    exit 0
  fi
  kill -0 "$pid" 2>/dev/null || { echo "FAIL: the unpacked program ended before showing its main window"; exit 1; }
  sleep 0.1
done
echo "FAIL: the unpacked program showed no main window within a minute"
exit 1
