#!/bin/sh
# Starts the real presentation under Xvfb on the demo data drive at one screen size, puts it in a
# state (balloon, shaped, info, video) and saves a screenshot; checks the picture is the whole
# screen and that the window is not empty.
#   presentation_screenshot.sh PREVU1 DRIVE_DIR WIDTHxHEIGHT STATE OUT.png
set -eu
prog=$1 drive=$2 size=$3 state=$4 out=$5
rm -f "$out"
SALON_DRIVES="D=$drive" QT_QPA_PLATFORM=xcb PIXOL_SCREEN="$size" timeout 90 \
  xvfb-run -a -s "-screen 0 ${size}x24" "$prog" --show "$state" --screenshot "$out"
test -s "$out"
got=$(identify -format '%wx%h' "$out")
[ "$got" = "$size" ] || { echo "screenshot is $got, expected $size"; exit 1; }
colours=$(convert "$out" -format '%k' info:)
[ "$colours" -gt 50 ] || { echo "only $colours colours: the window is empty"; exit 1; }
echo "presentation screenshot ok: $out"
