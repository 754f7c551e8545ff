#!/usr/bin/env bash
# The tree `cmake --install` lays in a temporary DESTDIR, the launcher's
# first start, and the Debian package of the same files.
# Arguments: BUILD_DIR SOURCE_DIR SHOT_DIR.
set -u
source "$(dirname "$0")/../support/gui_session.sh"
build=$1 shot_dir=$3
[ -n "${DISPLAY:-}" ] || { echo "SKIP: no X display (run under xvfb-run)"; exit 77; }
for tool in desktop-file-validate man dpkg-deb cpack xdotool import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
trap 'gui_kill; cleanup' EXIT
unset PIMLO_HOME PIMLO_DATA_DIR
mkdir -p "$shot_dir"

prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
tree=$(make_temp)
DESTDIR=$tree cmake --install "$build" >/dev/null || bad "cmake --install failed"
installed=$(cd "$tree" && find . -type f | sort)
for file in bin/pimlo libexec/pimlo/pimlo.x share/applications/pimlo.desktop \
  share/icons/hicolor/scalable/apps/pimlo.svg share/icons/hicolor/48x48/apps/pimlo.png \
  share/man/man1/pimlo.1 share/pimlo/pimlo.conf share/pimlo/pimlo.rc share/pimlo/pimlo_list.txt \
  share/pimlo/lessons/animals1.txt share/pimlo/SOUND/chat.wav; do
  grep -qxF "./${prefix#/}/$file" <<<"$installed" || bad "not installed: $prefix/$file"
done
root=$tree$prefix
desktop-file-validate "$root/share/applications/pimlo.desktop" || bad "the desktop entry is not valid"
[ "$(man -l "$root/share/man/man1/pimlo.1" 2>&1 >/dev/null)" = "" ] || bad "man -l complains"
man -l "$root/share/man/man1/pimlo.1" 2>/dev/null | grep -q 'pimlo \[DIR\]' || bad "the man page does not render"

# --help and --version, before any file is read or written.
quiet=$(make_temp)
cp "$root/share/pimlo/pimlo.conf" "$quiet/"
for program in "$root/bin/pimlo" "$root/libexec/pimlo/pimlo.x"; do
  (cd "$quiet" && XDG_DATA_HOME=$quiet/xdg "$program" --help) >"$quiet.out" 2>&1 &&
    grep -q '^Usage: pimlo' "$quiet.out" || bad "$program --help: $(cat "$quiet.out")"
  (cd "$quiet" && XDG_DATA_HOME=$quiet/xdg "$program" --version) >"$quiet.out" 2>&1 &&
    grep -qx 'pimlo [0-9.]*' "$quiet.out" || bad "$program --version: $(cat "$quiet.out")"
done
[ "$(ls -A "$quiet")" = pimlo.conf ] || bad "--help or --version wrote: $(ls -A "$quiet")"

# An existing file is kept (pimlo.x stops later, without a display).
mine=$(make_temp)
mkdir -p "$mine/lessons"
echo "my own lesson" >"$mine/lessons/animals1.txt"
env -u DISPLAY "$root/bin/pimlo" "$mine" >/dev/null 2>&1
[ "$(cat "$mine/lessons/animals1.txt")" = "my own lesson" ] || bad "the launcher copied over a lesson"
expect_file "$mine/lessons/animals2.txt"

# The first start on an empty XDG_DATA_HOME.
home=$(make_temp)
pimlo=$root/bin/pimlo
gui_start "$home" HOME="$home" XDG_DATA_HOME="$home/xdg"
gui_until 15 grep -q '^title pimlo — lesson 1 (ani1)$' "$gui_geometry" ||
  bad "no lesson 1 announced: $(grep '^title' "$gui_geometry")"
sleep 0.5
gui_screenshot installed_first_start
for file in pimlo.conf lessons/animals1.txt SOUND/chat.wav IDX1/idx1_animals1.txt; do
  expect_file "$home/xdg/pimlo/$file"
done
expect_no_file "$home/xdg/pimlo/pimlo.rc" # the installed one is used
gui_kill

# The Debian package holds the same files.
pack=$(make_temp)
(cd "$pack" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$pack") >"$pack.log" 2>&1 ||
  { bad "cpack failed"; tail -5 "$pack.log"; }
deb=$(ls "$pack"/*.deb 2>/dev/null | head -1)
if [ -n "$deb" ]; then
  packed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
  [ "$packed" = "$installed" ] || bad "the package differs from the installed tree:
$(diff <(echo "$packed") <(echo "$installed"))"
  dpkg-deb -f "$deb" Package Depends | grep -q '^Package: pimlo$' || bad "package name"
fi
finish
