#!/bin/sh
# The real presentation, copied beside a stand-in frizet01, on a demo drive mounted as drive E
# (a CD-ROM): its editor button starts the stand-in exactly once with "/E", and the presentation
# ends after the start.
#   editor_start.sh PREVU1 DRIVE_DIR WORK_DIR
set -eu
prog=$1 drive=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
cp "$prog" "$work/prevu1"
cat > "$work/frizet01" <<'STANDIN'
#!/bin/sh
printf '%s|' "$#" "$@" >> "$(dirname "$0")/started"
echo >> "$(dirname "$0")/started"
STANDIN
chmod +x "$work/frizet01"
SALON_DRIVES="E=$drive,5" QT_QPA_PLATFORM=xcb timeout 60 \
  xvfb-run -a -s "-screen 0 1024x768x24" "$work/prevu1" --show editor
for i in 1 2 3 4 5 6 7 8 9 10; do [ -s "$work/started" ] && break; sleep 0.2; done
got=$(cat "$work/started")
[ "$got" = "1|/E|" ] || { echo "the stand-in editor got: '$got'"; exit 1; }
echo "editor started once with /E"
