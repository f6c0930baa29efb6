#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it: the program, launcher and
# metadata are inside, the library dependencies are declared, and lintian finds no error
# (its warnings are printed but pass).
# Usage: check_package.sh CPACK BUILD_DIR APP_ID
set -euo pipefail
cpack=$1 build=$2 id=$3

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && "$cpack" -G DEB -B "$out" >"$out/cpack.log" 2>&1) ||
    { cat "$out/cpack.log" >&2; fail "cpack -G DEB"; }
debs=("$out"/brisanel_*.deb)
[ -f "${debs[0]}" ] || { cat "$out/cpack.log" >&2; fail "cpack made no brisanel_*.deb"; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6charts6 libgmp10 libc6 qt6-qpa-plugins; do
    grep -qw "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
grep -qE '^\./usr/lib/([^/]+/)?brisanel/brisanel-planner\.so$' <<<"$contents" ||
    fail "the package lacks the planner's module"
for path in ./usr/bin/brisanel "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/mime/packages/$id.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    ./usr/share/doc/brisanel/copyright; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done

# The plan and the comparison files' MIME types, as the package installs them.
mime=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/mime/packages/$id.xml")
for type in application/x-brisanel-plan application/x-brisanel-comparison; do
    grep -qF "type=\"$type\"" <<<"$mime" || fail "the package's MIME file lacks $type"
done

lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"
echo "lintian: no errors"
