#!/usr/bin/env bash
# Installs Korvane into a scratch root and checks what a desktop makes of it: every
# installed file, the validators, the file type of records and of look-alike text files,
# and the .deb. Usage: check-install.sh BUILD_DIR SOURCE_DIR CMAKE CPACK
# A missing tool fails the test: nothing here is skipped.
set -euo pipefail
build=$1 source=$2 cmake=$3 cpack=$4
id=io.github.korvane.Korvane
for tool in desktop-file-validate update-desktop-database appstreamcli update-mime-database \
            xdg-mime gio dpkg-deb dpkg-shlibdeps man; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# 1. Every installed file, and nothing else.
DESTDIR=$scratch/root "$cmake" --install "$build" --prefix /usr >/dev/null
expected=(usr/bin/korvane
          usr/share/applications/$id.desktop
          usr/share/metainfo/$id.metainfo.xml
          usr/share/mime/packages/korvane.xml
          usr/share/icons/hicolor/scalable/apps/$id.svg
          usr/share/man/man1/korvane.1.gz
          usr/share/doc/korvane/copyright
          usr/share/doc/korvane/changelog.Debian.gz
          usr/share/lintian/overrides/korvane)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  expected+=(usr/share/icons/hicolor/${size}x${size}/apps/$id.png)
done
actual=$(cd "$scratch/root" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$wanted") <(echo "$actual"))"
root=$scratch/root/usr
[ -x "$root/bin/korvane" ] || fail "korvane is not executable"
[ "$(head -c 4 "$root/bin/korvane" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "korvane is not a program"
# Into a file first: grep -q stops reading at the first match, and the help's later writes
# would then end the program on a broken pipe.
"$root/bin/korvane" --help > "$scratch/help.txt" || fail "the installed korvane does not run"
grep -q -- '--export' "$scratch/help.txt" || fail "the installed korvane does not run"
# The version text names the licence; it and the help run with no display at all.
version=$(env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$root/bin/korvane" --version)
grep -q 'GPLv3+' <<<"$version" || fail "--version names no licence: $version"
# The manual page is found by man and lists every option of --help.
page=$(MANPATH=$root/share/man LC_ALL=C.UTF-8 man korvane 2>&1) || fail "man korvane: $page"
options=$(env -u DISPLAY -u QT_QPA_PLATFORM "$root/bin/korvane" --help |
          grep -oE '^ +(-[a-z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+')
[ "$(wc -l <<<"$options")" -ge 10 ] || fail "--help lists too few options: $options"
for option in $options; do
  grep -qF -- "$option" <<<"$page" || fail "the manual page lacks $option"
done
grep -q '連珠の棋譜エディタ' <<<"$page" || fail "the manual page lacks its Japanese description"
grep -q 'GPLv3+' <<<"$page" || fail "the manual page names no licence"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$root/share/doc/korvane/copyright" || fail "the copyright file is not machine-readable"
for size in "${sizes[@]}"; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
  # Width and height: big-endian words at bytes 16 and 20 of the header.
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
done
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "the SVG icon is no SVG"

# 2. The validators.
desktop=$root/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
for line in 'Exec=korvane %f' "Icon=$id" 'MimeType=application/x-korvane-kif;' \
            'Categories=Game;BoardGame;Qt;' 'Name[ja]=' 'Comment[ja]='; do
  grep -qF "$line" "$desktop" || fail "the desktop entry lacks $line"
done

# 3. The file type, as a desktop sees it (GNOME's rules through gio; plain xdg-mime would
#    ask file(1), which knows nothing of shared-mime-info).
data=$scratch/xdg
mkdir -p "$data/mime/packages" "$data/applications" "$scratch/files"
cp "$root/share/mime/packages/korvane.xml" "$data/mime/packages/"
cp "$desktop" "$data/applications/"
update-mime-database "$data/mime" 2>/dev/null # it only warns that $data is not searched
update-desktop-database "$data/applications"
filetype() { XDG_DATA_HOME=$data XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$1"; }
expect_type() {
  local got
  got=$(filetype "$1")
  [ "$got" = "$2" ] || fail "$(basename "$1") is $got, not $2"
}
expect_not_ours() {
  local got
  got=$(filetype "$1")
  [ "$got" != application/x-korvane-kif ] || fail "$(basename "$1") is claimed as a record"
}
files=$scratch/files
corpus=$source/tests/fuzz-corpus
for record in ok-example-opening4 ok-cp932-names ok-full-150 ok-empty; do
  cp "$corpus/kif/$record.kif" "$files/"
  expect_type "$files/$record.kif" application/x-korvane-kif
done
# A record renamed in capitals, and one without an extension, is still a record.
cp "$corpus/kif/ok-example-opening4.kif" "$files/GAME.KIF"
cp "$corpus/kif/ok-example-opening4.kif" "$files/game"
expect_type "$files/GAME.KIF" application/x-korvane-kif
expect_type "$files/game" application/x-korvane-kif
# Shogi records in Shift-JIS text (開始日時, 先手, 手合割) that share the extension.
printf '#KIF version=2.0 encoding=Shift_JIS\r\n\x8aJ\x8en\x93\xfa\x8e\x9e\x81F2024/01/01\r\n' \
  >"$files/shogi.kif"
printf '\x8e\xe8\x8d\x87\x8a\x84\x81F\x95\xbd\x8e\xe8\r\n\x90\xe6\x8e\xe8\x81F\x88\xa2\r\n' \
  >"$files/shogi-bare.kif"
expect_type "$files/shogi.kif" text/plain
expect_type "$files/shogi-bare.kif" text/plain
# No global type for positions: a .dat with stones on its first row is not ours.
cp "$corpus/dat/ok-corners.dat" "$files/"
expect_not_ours "$files/ok-corners.dat"
default=$(XDG_DATA_HOME=$data XDG_CURRENT_DESKTOP=GNOME xdg-mime query default application/x-korvane-kif)
[ "$default" = "$id.desktop" ] || fail "records open with '$default', not $id.desktop"

# 4. The .deb: its files and its dependencies.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null
deb=$(ls "$scratch"/deb/korvane_*.deb)
listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort)
[ "$listed" = "$wanted" ] || fail "the .deb holds:"$'\n'"$listed"
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins \
                  fonts-ipafont-gothic fonts-ipafont-mincho; do
  grep -qw "$dependency" <<<"$depends" || fail "the .deb does not depend on $dependency: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-translations-l10n ] || fail "Recommends"
[ "$(dpkg-deb -f "$deb" Section)" = editors ] || fail "Section"
echo "install: all checks passed"
