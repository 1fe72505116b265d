#!/usr/bin/env bash
# menu_metadata.sh SOURCE_DIR BUILT_DIR ID... : the menu entries and the software centre metadata
# pass the freedesktop validators, and each entry names an icon and a program that exist.
set -euo pipefail
src=$1 built=$2; shift 2
for id in "$@"; do
  desktop-file-validate "$src/$id.desktop"
  appstreamcli validate --no-net --explain "$built/$id.metainfo.xml"
  icon=$(sed -n 's/^Icon=//p' "$src/$id.desktop")
  [ "$icon" = "$id" ] || { echo "FAIL: $id.desktop shows icon $icon, not its own" >&2; exit 1; }
  [ -f "$built/icons/hicolor/scalable/apps/$icon.svg" ] || { echo "FAIL: no icon $icon" >&2; exit 1; }
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$built/$id.metainfo.xml" \
    || { echo "FAIL: $id.metainfo.xml does not launch $id.desktop" >&2; exit 1; }
done
echo "menu entries and metadata valid"
