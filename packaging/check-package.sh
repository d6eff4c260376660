#!/usr/bin/env bash
# Builds the Debian package from a built tree with CPack and lists what it holds: the program
# under /usr/bin, the desktop entry, the metainfo and every icon size, with the library
# dependencies that dpkg-shlibdeps computed.
#
#   check-package.sh BUILD_DIR VERSION APP_ID ICON_SIZE...
#
# Exit status 77 means a tool the check needs is missing (ctest shows the test as skipped).
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in cpack dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

build=$1 version=$2 app_id=$3
shift 3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 || {
    cat "$tmp/cpack.log" >&2
    fail "cpack failed"
}
deb=$tmp/tallyhawk_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$tmp" >&2; fail "no $(basename "$deb")"; }

dpkg-deb -c "$deb"
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
expected=(./usr/bin/tallyhawk ./usr/share/applications/$app_id.desktop
    ./usr/share/metainfo/$app_id.metainfo.xml)
for size in "$@"; do
    expected+=("./usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
outside=$(grep -v '^\./usr/' <<<"$contents" | grep -vxF './' || true)
[ -z "$outside" ] || fail "the package puts files outside /usr: $outside"

depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -qxF "$library" <<<"$names" || fail "Depends lacks $library: $depends"
done

dpkg-deb -x "$deb" "$tmp/root"
file "$tmp/root/usr/bin/tallyhawk" | grep -q 'ELF .*, stripped' ||
    fail "$(file "$tmp/root/usr/bin/tallyhawk")"
echo "PASS"
