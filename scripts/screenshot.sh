#!/usr/bin/env bash
# Starts the real window under Xvfb and saves a picture of it, frame and
# title bar included, to docs/screenshot.png (or the path given).
#
# A small window manager (openbox) runs on the virtual display, so the window
# gets the frame and caption bar it has on a desktop; the logo's place
# depends on that outer size. Installs what is missing (Debian packages).
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-docs/screenshot.png}
bin=${TARNVIK_BIN:-build/release/src/ui/qt/tarnvik}
title="Tarnvik Calculator V3.3"

if [ -z "${TARNVIK_SCREENSHOT_DISPLAY:-}" ]; then
  scripts/install-deps.sh
  need=()
  command -v openbox >/dev/null || need+=(openbox)
  command -v xwininfo >/dev/null || need+=(x11-utils)
  command -v import >/dev/null || need+=(imagemagick)
  if ((${#need[@]})); then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${need[@]}"
  fi
  cmake --preset release >/dev/null
  cmake --build --preset release --target tarnvik
  exec xvfb-run -a -s '-screen 0 1024x768x24' env TARNVIK_SCREENSHOT_DISPLAY=1 "$0" "$@"
fi

# On the virtual display from here on.
# The window asks for move, resize and close only (its Motif hints carry no
# minimise or maximise function); openbox draws those two buttons whatever
# a window asks, so its title layout here leaves them out, as desktops that
# honour the hints do: N icon, L title, C close.
rc=$(mktemp --suffix=.xml)
cat >"$rc" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme><titleLayout>NLC</titleLayout></theme>
</openbox_config>
XML
openbox --sm-disable --config-file "$rc" >/dev/null 2>&1 &
wm=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$wm" 2>/dev/null || true
  rm -f "$rc"
}
trap cleanup EXIT

for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done

QT_QPA_PLATFORM=xcb "$bin" &
app=$!
for _ in $(seq 200); do
  xwininfo -name "$title" >/dev/null 2>&1 && break
  sleep 0.05
done
sleep 1  # mapped, framed and painted

# The client window's place on the screen, and the frame around it.
info=$(xwininfo -name "$title")
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
w=$(awk '/Width:/ {print $2}' <<<"$info")
h=$(awk '/Height:/ {print $2}' <<<"$info")
id=$(awk '/Window id:/ {print $4}' <<<"$info")
read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS |
  sed -n 's/.*= *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1 \2 \3 \4/p')
left=${left:-0} right=${right:-0} top=${top:-0} bottom=${bottom:-0}

mkdir -p "$(dirname "$out")"
import -window root -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" +repage "$out"
echo "window ${w}x${h} at ${x},${y}, frame ${left},${right},${top},${bottom}: $out" >&2
