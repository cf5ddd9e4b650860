#!/bin/bash
# `cmake --install` into a temporary DESTDIR: exactly the program, the
# desktop entry, the metainfo and the icons, each in its standard place, the
# entry and the metainfo valid and naming one another, the icon and the
# binary that are really there, the version and the home page of this build.
#   BUILD_DIR       the configured and built tree
#   VERSION         the project version
#   HOME_PAGE       the configured home page
set -u
. "$(dirname "$0")/expected_tree.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/hushmere-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
root="$work/root/usr"

DESTDIR="$work/root" cmake --install "$BUILD_DIR" --prefix /usr >"$work/install.log" 2>&1 ||
    packaging_fail "cmake --install failed: $(cat "$work/install.log")"
packaging_check_tree "$root"

[ -x "$root/bin/hushmere" ] || packaging_fail "bin/hushmere is not executable"

# Each icon is a PNG of the size its folder names: the signature, then the
# IHDR chunk's width and height as big-endian 32-bit numbers.
for size in $ICON_SIZES; do
    icon="$root/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    signature=$(od -An -tx1 -N8 "$icon" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || packaging_fail "$icon is not a PNG"
    dimensions=$(od -An -tu1 -j16 -N8 "$icon" |
        awk '{print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8}')
    [ "$dimensions" = "$size $size" ] || packaging_fail "$icon is $dimensions, not $size x $size"
done

desktop="$root/share/applications/$APP_ID.desktop"
metainfo="$root/share/metainfo/$APP_ID.metainfo.xml"

# The validator reports hints and warnings with exit code 0: any output fails.
report=$(desktop-file-validate "$desktop" 2>&1)
[ $? -eq 0 ] && [ -z "$report" ] || packaging_fail "desktop-file-validate: $report"

# Without the network: the home page and the screenshot are published with
# the release, not before it.
report=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1) ||
    packaging_fail "appstreamcli validate: $report"

# The entry starts the installed binary and shows the installed icon.
exec_line=$(packaging_desktop_value "$desktop" Exec)
[ "$exec_line" = hushmere ] || packaging_fail "Exec is '$exec_line', not hushmere"
icon=$(packaging_desktop_value "$desktop" Icon)
[ "$icon" = "$APP_ID" ] || packaging_fail "Icon is '$icon', not the icon files' name $APP_ID"

# The metainfo names this component, its desktop entry, this version and
# this build's home page, and publishes the screenshot beside it.
grep -qF "<id>$APP_ID</id>" "$metainfo" || packaging_fail "the metainfo id is not $APP_ID"
grep -qF "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    packaging_fail "the metainfo does not launch $APP_ID.desktop"
grep -q "<release version=\"$VERSION\" date=\"[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\"" "$metainfo" ||
    packaging_fail "the metainfo has no dated release $VERSION"
grep -qF "<url type=\"homepage\">$HOME_PAGE</url>" "$metainfo" ||
    packaging_fail "the metainfo's home page is not $HOME_PAGE"
screenshot=$(sed -n 's|.*<image type="source">\(.*\)</image>.*|\1|p' "$metainfo")
case "$screenshot" in
    "${HOME_PAGE%/}"/*.png) ;;
    *) packaging_fail "the screenshot '$screenshot' is not a PNG under $HOME_PAGE" ;;
esac
echo "packaging: installed tree, desktop entry and metainfo: ok"
