#!/bin/bash
# Builds the Debian package, unpacks it into a temporary root as dpkg would install it, and
# starts the installed program twice with a fresh home folder: the first start copies the
# shipped database to the user's data folder, the second (after an upgrade brought a newer
# shipped database) must still open the user's own copy with the user's data in it.
set -euo pipefail
cpack=$1 cpack_config=$2 probe_plugins=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$cpack_config" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(echo "$work"/out/*.deb)
[ -f "$deb" ] || fail "no package in $work/out"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6printsupport6 libqt6sql6-sqlite qt6-qpa-plugins fonts-liberation2; do
  [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] || fail "Depends lacks $needed: $depends"
done

root=$work/root
dpkg -x "$deb" "$root"
share=$root/usr/share
entry=$share/applications/org.quillory.Quillory.desktop
[ -f "$entry" ] || fail "no desktop entry"
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$program" ] || fail "the desktop entry starts '$program', which is not installed"
icon=$(sed -n 's/^Icon=//p' "$entry")
for f in scalable/apps/$icon.svg 16x16/apps/$icon.png 48x48/apps/$icon.png 256x256/apps/$icon.png; do
  [ -f "$share/icons/hicolor/$f" ] || fail "no icon $f"
done
appstreamcli validate-tree --no-net "$root" >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "metainfo and desktop entry do not fit together"; }
[ -f "$share/quillory/Quillory.HLP" ] || fail "no help file"
shipped=$share/quillory/Quillory.mdb
rows=$(sqlite3 "$shipped" 'SELECT (SELECT count(*) FROM FilerInfo) + (SELECT count(*) FROM W2) + (SELECT count(*) FROM "1099Misc")')
[ "$rows" = 0 ] || fail "the shipped database holds $rows rows of someone's data"

export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen
export QT_PLUGIN_PATH=$probe_plugins QT_QPA_GENERIC_PLUGINS=quillory-startup-probe
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
user_db=$XDG_DATA_HOME/Quillory/Quillory/Quillory.mdb

start() {
  timeout 60 "$root/usr/bin/$program" >"$work/run.log" 2>&1 || { cat "$work/run.log"; fail "the program failed to start ($1)"; }
  grep -qxF "probe: opened $user_db" "$work/run.log" || { cat "$work/run.log"; fail "it did not open $user_db ($1)"; }
}

start "first start"
[ "$(stat -c %a "$user_db")" = 600 ] || fail "the user's database may be read by others"
sqlite3 "$user_db" "INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('12-3456789', 'O''BRIEN FARMS')"

# An upgrade replaces the installed files and brings a different shipped database.
dpkg -x "$deb" "$root"
sqlite3 "$shipped" "INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('98-7654321', 'SHIPPED')"

start "after an upgrade"
kept=$(sqlite3 "$user_db" 'SELECT group_concat(PayerName) FROM FilerInfo')
[ "$kept" = "O'BRIEN FARMS" ] || fail "the user's data did not survive the upgrade: '$kept'"
echo "package installs, starts and keeps the user's data"
