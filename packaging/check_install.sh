#!/usr/bin/env bash
# Installs the build into a scratch folder the way a distribution does (prefix /usr under a
# DESTDIR) and checks that the launcher, the metadata, the icons and the manual page are where
# desktops and tools look for them, and that the validators accept them.
# Usage: check_install.sh CMAKE BUILD_DIR APP_ID "ICON SIZES"
set -euo pipefail
cmake=$1 build=$2 id=$3 sizes=$4

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$root" "$cmake" --install "$build" --prefix /usr >"$root/install.log" ||
    { cat "$root/install.log" >&2; fail "cmake --install"; }
share=$root/usr/share

[ -x "$root/usr/bin/brisanel" ] || fail "the program is not installed in /usr/bin"

# The planner is a module of its own, in the library folder where the program looks for it; the
# program itself starts without Qt Charts and Qt's OpenGL libraries.
module=$(find "$root/usr/lib" -path '*/brisanel/brisanel-planner.so' -print -quit)
[ -n "$module" ] || fail "the planner's module is not installed under /usr/lib/.../brisanel"
place=$(realpath --relative-to="$root/usr/bin" "$(dirname "$module")")
grep -aqF "$place" "$root/usr/bin/brisanel" ||
    fail "the program does not look for its planner in $place"
if ldd "$root/usr/bin/brisanel" | grep -E 'libQt6(Charts|OpenGL)'; then
    fail "the program links the libraries of the planner's charts"
fi
ldd "$module" | grep -q libQt6Charts || fail "the planner's module does not link Qt Charts"

desktop=$share/applications/$id.desktop
[ -f "$desktop" ] || fail "no launcher at ${desktop#"$root"}"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the launcher"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$root/usr/bin/${exec_line%% *}" ] ||
    fail "the launcher starts '$exec_line', which is not installed"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = "$id" ] || fail "the launcher's icon is '$icon', not '$id'"

# The plan and comparison files' MIME types: installed, accepted by shared-mime-info, and opened by the launcher.
mime=$share/mime/packages/$id.xml
[ -f "$mime" ] || fail "no MIME type at ${mime#"$root"}"
XDG_DATA_DIRS="$share" update-mime-database "$share/mime" 2>"$root/mime.log" && ! grep -q . "$root/mime.log" ||
    { cat "$root/mime.log" >&2; fail "update-mime-database refuses the MIME type"; }
for type in application/x-brisanel-plan application/x-brisanel-comparison; do
    grep -q "^$type$" "$share/mime/types" || fail "the MIME database does not list $type"
done
grep -q "^MimeType=application/x-brisanel-plan;application/x-brisanel-comparison;$" "$desktop" ||
    fail "the launcher does not open plan and comparison files"
[ "${exec_line#* }" = "%f" ] || fail "the launcher does not pass the file it opens ($exec_line)"

metainfo=$share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no metadata at ${metainfo#"$root"}"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses the metadata"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not name the launcher $id.desktop"

svg=$share/icons/hicolor/scalable/apps/$id.svg
file --brief "$svg" | grep -q 'SVG' || fail "no scalable icon at ${svg#"$root"}"
for size in $sizes; do
    png=$share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no ${size}x${size} icon at ${png#"$root"}"
    file --brief "$png" | grep -q "PNG image data, $size x $size," ||
        fail "${png#"$root"} is not a $size x $size PNG: $(file --brief "$png")"
done

gzip -t "$share/man/man1/brisanel.1.gz" || fail "no manual page"
[ -f "$share/doc/brisanel/copyright" ] || fail "no copyright file"

echo "installed and valid: program and planner module, launcher, plan and comparison MIME types, metadata, scalable icon, icons of $sizes pixels, manual page"
