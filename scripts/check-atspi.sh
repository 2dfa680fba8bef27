#!/usr/bin/env bash
# What a screen reader sees of the real window: starts it under Xvfb with a
# private D-Bus session and the AT-SPI accessibility bus, walks its
# accessibility tree as an assistive tool does (pyatspi), and prints the
# role, name and description of every input, output, list and radio, with
# the group that labels each radio and the entry each list shows.
#
#   scripts/check-atspi.sh
#
# Exits 1 when the window cannot be found on the bus, or when an input,
# output, list or radio has no name, a list is named by its entry or a
# radio reads as anything but a radio button. Installs what is missing
# (Debian packages).
set -euo pipefail
cd "$(dirname "$0")/.."

bin=${TARNVIK_BIN:-build/release/src/ui/qt/tarnvik}

if [ -z "${TARNVIK_ATSPI_SESSION:-}" ]; then
  scripts/install-deps.sh
  need=()
  for p in python3-pyatspi at-spi2-core dbus-daemon; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
  done
  if ((${#need[@]})); then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${need[@]}"
  fi
  if [ -z "${TARNVIK_BIN:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target tarnvik
  fi
  exec xvfb-run -a -s '-screen 0 1024x768x24' \
    dbus-run-session -- env TARNVIK_ATSPI_SESSION=1 "$0" "$@"
fi

# On the virtual display, in the private D-Bus session, from here on.
# Qt serves AT-SPI when an assistive tool has switched accessibility on;
# nothing has here, so ask for it.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
"$bin" &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT

/usr/bin/python3 - "$(basename "$bin")" <<'PY'
import sys
import time

import pyatspi

app_name = sys.argv[1]
ROLES = {
    pyatspi.ROLE_TEXT: "text",
    pyatspi.ROLE_ENTRY: "text",
    pyatspi.ROLE_COMBO_BOX: "combo",
    pyatspi.ROLE_RADIO_BUTTON: "radio",
    pyatspi.ROLE_CHECK_BOX: "radio",  # must not happen: reported below
}


def find_app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == app_name:
                return app
        time.sleep(0.1)
    return None


def walk(node):
    yield node
    for child in node:
        if child is None:
            continue
        # A combo box's dropped list holds its entries; not a control.
        if node.getRole() == pyatspi.ROLE_COMBO_BOX:
            continue
        yield from walk(child)


app = find_app()
if app is None:
    print(f"no application {app_name!r} on the accessibility bus", file=sys.stderr)
    sys.exit(1)

faults = 0
for node in walk(app):
    role = node.getRole()
    if role not in ROLES:
        continue
    line = f"{node.getRoleName():<14} name={node.name!r}"
    if node.description:
        line += f" description={node.description!r}"
    if role == pyatspi.ROLE_RADIO_BUTTON:
        groups = [
            rel.getTarget(i).name
            for rel in node.getRelationSet()
            if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(rel.getNTargets())
        ]
        line += f" group={', '.join(groups)!r}"
        faults += not groups
    if role == pyatspi.ROLE_COMBO_BOX:
        try:
            text = node.queryText()
            entry = text.getText(0, text.characterCount)
            line += f" entry={entry!r}"
            if entry and node.name == entry:
                line += "  <- named by its entry"
                faults += 1
        except NotImplementedError:
            line += "  <- its entry is not readable as text"
            faults += 1
    if role == pyatspi.ROLE_CHECK_BOX:
        line += "  <- reads as a check box"
        faults += 1
    if not node.name:
        line += "  <- no name"
        faults += 1
    print(line)

if faults:
    print(f"{faults} control(s) a screen reader cannot tell apart", file=sys.stderr)
sys.exit(1 if faults else 0)
PY
