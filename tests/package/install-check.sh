#!/bin/sh
# Installs the build tree $1 into a temporary root with cmake $2, checks what a
# player's system gets, and runs the installed batch command on a small data
# folder.
set -eu
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" "$2" --install "$1" --prefix /usr >/dev/null
for f in bin/velmorix bin/velmorix-batch share/applications/velmorix.desktop \
         share/icons/hicolor/scalable/apps/velmorix.svg share/icons/hicolor/256x256/apps/velmorix.png; do
    [ -f "$root/usr/$f" ] || { echo "not installed: /usr/$f"; exit 1; }
done
mkdir "$root/data"
cd "$root/data"
# VELMORIX.DAT: a bag of the balls 1..8 and no banker (16-bit little-endian words).
printf '\010\000\001\000\002\000\003\000\004\000\005\000\006\000\007\000\010\000\000\000' >VELMORIX.DAT
"$root/usr/bin/velmorix-batch" build >out
cat out
kept=$(sed -n 's/^Uygun Kombinasyon = //p' out)
[ "$(wc -c <VELMORIX.LST)" -eq $((kept * 16)) ] || { echo "VELMORIX.LST does not hold $kept columns"; exit 1; }
[ "$(sed -n 's/^İncelenen Kombinasyon = //p' out)" -eq 28 ] || { echo "not the 28 columns of the bag"; exit 1; }
