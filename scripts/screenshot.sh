#!/usr/bin/env bash
# Starts the real window under Xvfb and saves a picture of it, frame and
# title bar included, to docs/screenshot.png (or the path given).
#
#   scripts/screenshot.sh [OUT]               the window at start-up
#   scripts/screenshot.sh --menu OUT          its context menu, opened by a
#                                             right click on the window's face
#   scripts/screenshot.sh --pipe-sizes OUT    the pipe sizes dialog (Ctrl+D)
#                                             with "2 inch" in its filter
#
# A small window manager (openbox) runs on the virtual display, so the window
# gets the frame and caption bar it has on a desktop; the logo's place
# depends on that outer size. Installs what is missing (Debian packages).
set -euo pipefail
cd "$(dirname "$0")/.."

what=window
case "${1:-}" in
  --menu) what=menu; shift ;;
  --pipe-sizes) what=pipe-sizes; shift ;;
esac
if [ "$what" != window ] && [ -z "${1:-}" ]; then
  echo "usage: $0 [--menu | --pipe-sizes] OUT.png" >&2
  exit 2
fi
out=${1:-docs/screenshot.png}
bin=${TARNVIK_BIN:-build/release/src/ui/qt/tarnvik}
title="Tarnvik Calculator V3.3"

if [ -z "${TARNVIK_SCREENSHOT_DISPLAY:-}" ]; then
  scripts/install-deps.sh
  need=()
  command -v openbox >/dev/null || need+=(openbox)
  command -v xwininfo >/dev/null || need+=(x11-utils)
  command -v import >/dev/null || need+=(imagemagick)
  [ "$what" = window ] || command -v xdotool >/dev/null || need+=(xdotool)
  if ((${#need[@]})); then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${need[@]}"
  fi
  cmake --preset release >/dev/null
  cmake --build --preset release --target tarnvik
  args=("$@")
  [ "$what" = window ] || args=("--$what" "$@")
  exec xvfb-run -a -s '-screen 0 1024x768x24' env TARNVIK_SCREENSHOT_DISPLAY=1 "$0" "${args[@]}"
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

# The place on the screen of the named client window and the frame around
# it, as "width height x y left right top bottom".
place() {
  local info id left right top bottom
  info=$(xwininfo -name "$1")
  id=$(awk '/Window id:/ {print $4}' <<<"$info")
  read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS |
    sed -n 's/.*= *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1 \2 \3 \4/p')
  echo "$(awk '/Width:/ {print $2}' <<<"$info") $(awk '/Height:/ {print $2}' <<<"$info")" \
    "$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")" \
    "$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")" \
    "${left:-0} ${right:-0} ${top:-0} ${bottom:-0}"
}

shot=$title
case "$what" in
  menu)
    # A right click on the window's face between the group frames; the
    # menu opens inside the window, so the window's picture holds it.
    read -r w h x y left right top bottom < <(place "$title")
    xdotool mousemove $((x + 200)) $((y + 332)) click 3
    sleep 0.5
    ;;
  pipe-sizes)
    xdotool search --name "^$title\$" windowactivate --sync key ctrl+d
    for _ in $(seq 100); do
      xwininfo -name "Pipe sizes" >/dev/null 2>&1 && break
      sleep 0.05
    done
    sleep 0.3
    xdotool type --delay 20 "2 inch"
    sleep 0.5
    shot="Pipe sizes"
    ;;
esac

read -r w h x y left right top bottom < <(place "$shot")
mkdir -p "$(dirname "$out")"
import -window root -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" +repage "$out"
echo "$shot: ${w}x${h} at ${x},${y}, frame ${left},${right},${top},${bottom}: $out" >&2
