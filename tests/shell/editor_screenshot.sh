#!/bin/sh
# Starts the real editor under Xvfb on the demo data drive with a model and the sample face set in,
# saves a screenshot and checks it: the window's size, the panel and the result picture are there.
#   editor_screenshot.sh FRIZET01 DRIVE_DIR OUT.png
set -eu
prog=$1 drive=$2 out=$3
rm -f "$out"
SALON_DRIVES="D=$drive" QT_QPA_PLATFORM=xcb timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" \
  "$prog" /D --model 'D:\DS1\DA001.DSL' --photo 'D:\photos\face.jpg' --place 162,165,1.35 --mode 11 \
  --screenshot "$out"
test -s "$out"
size=$(identify -format '%wx%h' "$out")
[ "$size" = "1024x768" ] || { echo "screenshot is $size, expected the whole screen"; exit 1; }
# The window background, a pressed move button and a result picture that is not background.
pixel() { convert "$out" -format "%[pixel:p{$1,$2}]" info:; }
bg=$(pixel 2 760)
[ "$bg" = "srgb(240,228,255)" ] || { echo "background is $bg"; exit 1; }
centre=$(pixel 780 300)
[ "$centre" != "$bg" ] || { echo "the result picture is empty"; exit 1; }
echo "editor screenshot ok: $out"
